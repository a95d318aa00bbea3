#include "ui/access/AccessibleTable.h"
#include "ui/access/Accessible.h"

#include <wx/grid.h>
#include <wx/intl.h>
#include <wx/window.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace a11y {

TableContent gridTable(const wxGrid& grid, int cursorRow, int cursorCol) {
  TableContent content;
  std::vector<int> columns;
  for (int c = 0; c < grid.GetNumberCols(); ++c) {
    if (!grid.IsColShown(c) || grid.GetColSize(c) <= 0) continue;
    columns.push_back(c);
    content.headers.push_back(grid.GetColLabelValue(c));
  }
  int filled = 0;
  for (int r = 0; r < grid.GetNumberRows(); ++r)
    for (int c : columns)
      if (!grid.GetCellValue(r, c).empty()) filled = r + 1;
  content.rows.resize(filled);
  for (int r = 0; r < filled; ++r)
    for (int c : columns) content.rows[r].push_back(grid.GetCellValue(r, c));
  const int col = gridTableColumn(grid, cursorCol);
  if (cursorRow >= 0 && cursorRow < grid.GetNumberRows() && col >= 0) {
    content.cursorRow = cursorRow;
    content.cursorCol = col;
  }
  return content;
}

int gridTableColumn(const wxGrid& grid, int col) {
  if (col < 0 || col >= grid.GetNumberCols() || !grid.IsColShown(col) || grid.GetColSize(col) <= 0)
    return -1;
  int shown = 0;
  for (int c = 0; c < col; ++c)
    if (grid.IsColShown(c) && grid.GetColSize(c) > 0) ++shown;
  return shown;
}

#ifdef __WXGTK__

namespace {

// ---- What the table holds ------------------------------------------------

struct TableState {
  GtkWidget* widget = nullptr;
  AtkObject* table = nullptr;
  std::vector<std::string> headers;  // UTF-8, the texts the interface hands out
  std::vector<std::vector<std::string>> rows;
  int rowCount = 0;  // the rows given, one to type into, and down to the cursor
  int cursorRow = -1;
  int cursorCol = -1;
  std::vector<AtkObject*> headerObjects;
  // Cells are made when a reader asks for them and kept while they exist.
  std::map<std::pair<int, int>, AtkObject*> cells;
  std::map<int, std::string> rowDescriptions;

  int columnCount() const { return static_cast<int>(headers.size()); }
  bool inside(int row, int col) const {
    return row >= 0 && col >= 0 && row < rowCount && col < columnCount();
  }
  std::string text(int row, int col) const {
    if (row < 0 || row >= static_cast<int>(rows.size())) return std::string();
    const auto& cells = rows[row];
    return col >= 0 && col < static_cast<int>(cells.size()) ? cells[col] : std::string();
  }
};

GQuark stateQuark() { return g_quark_from_static_string("tallyscope-table-state"); }
GQuark tableQuark() { return g_quark_from_static_string("tallyscope-table"); }

TableState* stateOf(AtkObject* table) {
  return table ? static_cast<TableState*>(g_object_get_qdata(G_OBJECT(table), stateQuark()))
               : nullptr;
}

// The state as a reader finds it: texts waiting to be written are written first.
TableState* readState(AtkObject* table) {
  a11y::writeWaiting();
  return stateOf(table);
}

// ---- The cells ---------------------------------------------------------

struct TableCell {
  AtkObject parent;
  int row;
  int col;
};

struct TableCellClass {
  AtkObjectClass parent;
};

GType cellType();

TableCell* asCell(gpointer object) {
  return G_TYPE_CHECK_INSTANCE_TYPE(object, cellType()) ? static_cast<TableCell*>(object)
                                                        : nullptr;
}

// A cell taken out of the table (its row went away) says so and belongs to no one.
void retireCell(AtkObject* object) {
  if (TableCell* cell = asCell(object)) cell->row = cell->col = -1;
  atk_object_notify_state_change(object, ATK_STATE_DEFUNCT, TRUE);
  atk_object_set_parent(object, nullptr);
  g_object_unref(object);
}

TableState* cellTable(TableCell* cell) {
  if (!cell || cell->row < 0) return nullptr;
  return readState(atk_object_get_parent(ATK_OBJECT(cell)));
}

gint cellIndexInParent(AtkObject* object) {
  TableCell* cell = asCell(object);
  const TableState* state = cellTable(cell);
  return state ? cell->row * state->columnCount() + cell->col : -1;
}

AtkStateSet* cellStates(AtkObject* object) {
  AtkStateSet* states = atk_state_set_new();
  TableCell* cell = asCell(object);
  const TableState* state = cellTable(cell);
  if (!state) {
    atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
    return states;
  }
  for (AtkStateType s : {ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE,
                         ATK_STATE_SHOWING, ATK_STATE_FOCUSABLE, ATK_STATE_SELECTABLE,
                         ATK_STATE_TRANSIENT, ATK_STATE_SINGLE_LINE})
    atk_state_set_add_state(states, s);
  if (cell->row == state->cursorRow && cell->col == state->cursorCol) {
    atk_state_set_add_state(states, ATK_STATE_SELECTED);
    atk_state_set_add_state(states, ATK_STATE_ACTIVE);
    if (state->widget && gtk_widget_has_focus(state->widget))
      atk_state_set_add_state(states, ATK_STATE_FOCUSED);
  }
  return states;
}

gboolean cellPosition(AtkTableCell* object, gint* row, gint* col) {
  TableCell* cell = asCell(object);
  if (!cellTable(cell)) return FALSE;
  if (row) *row = cell->row;
  if (col) *col = cell->col;
  return TRUE;
}

gboolean cellSpan(AtkTableCell* object, gint* row, gint* col, gint* rowSpan, gint* colSpan) {
  if (!cellPosition(object, row, col)) return FALSE;
  if (rowSpan) *rowSpan = 1;
  if (colSpan) *colSpan = 1;
  return TRUE;
}

gint oneCell(AtkTableCell*) { return 1; }

AtkObject* cellTableObject(AtkTableCell* object) {
  TableState* state = cellTable(asCell(object));
  return state ? ATK_OBJECT(g_object_ref(state->table)) : nullptr;
}

GPtrArray* cellColumnHeaders(AtkTableCell* object) {
  GPtrArray* headers = g_ptr_array_new_full(1, g_object_unref);
  TableCell* cell = asCell(object);
  const TableState* state = cellTable(cell);
  if (state && cell->col < static_cast<int>(state->headerObjects.size()))
    g_ptr_array_add(headers, g_object_ref(state->headerObjects[cell->col]));
  return headers;
}

GPtrArray* cellRowHeaders(AtkTableCell*) { return g_ptr_array_new_full(0, g_object_unref); }

// A cell's text as a reader finds it: texts waiting to be written are written first.
const gchar* cellName(AtkObject* object) {
  writeWaiting();
  return ATK_OBJECT_CLASS(g_type_class_peek(ATK_TYPE_OBJECT))->get_name(object);
}

void cellClassInit(gpointer klass, gpointer) {
  AtkObjectClass* object = ATK_OBJECT_CLASS(klass);
  object->get_name = cellName;
  object->get_index_in_parent = cellIndexInParent;
  object->ref_state_set = cellStates;
}

void cellInit(GTypeInstance* instance, gpointer) {
  TableCell* cell = reinterpret_cast<TableCell*>(instance);
  cell->row = cell->col = -1;
}

void cellInterfaceInit(gpointer iface, gpointer) {
  auto* cell = static_cast<AtkTableCellIface*>(iface);
  cell->get_column_span = oneCell;
  cell->get_row_span = oneCell;
  cell->get_position = cellPosition;
  cell->get_row_column_span = cellSpan;
  cell->get_table = cellTableObject;
  cell->get_column_header_cells = cellColumnHeaders;
  cell->get_row_header_cells = cellRowHeaders;
}

GType cellType() {
  static const GType type = [] {
    GTypeInfo info{};
    info.class_size = sizeof(TableCellClass);
    info.class_init = cellClassInit;
    info.instance_size = sizeof(TableCell);
    info.instance_init = cellInit;
    const GType t =
        g_type_register_static(ATK_TYPE_OBJECT, "TallyscopeTableCell", &info, GTypeFlags(0));
    GInterfaceInfo iface{};
    iface.interface_init = cellInterfaceInit;
    g_type_add_interface_static(t, ATK_TYPE_TABLE_CELL, &iface);
    return t;
  }();
  return type;
}

// The cell object at (row, col), made on first demand; a new reference.
AtkObject* refCell(TableState* state, int row, int col) {
  if (!state || !state->inside(row, col)) return nullptr;
  AtkObject*& object = state->cells[{row, col}];
  if (!object) {
    object = ATK_OBJECT(g_object_new(cellType(), nullptr));
    TableCell* cell = asCell(object);
    cell->row = row;
    cell->col = col;
    atk_object_set_role(object, ATK_ROLE_TABLE_CELL);
    atk_object_set_parent(object, state->table);
    atk_object_set_name(object, state->text(row, col).c_str());
  }
  return ATK_OBJECT(g_object_ref(object));
}

// ---- The table -------------------------------------------------------------

TableState* tableState(AtkTable* table) { return readState(ATK_OBJECT(table)); }

AtkObjectClass* parentClass(AtkObject* object) {
  return ATK_OBJECT_CLASS(g_type_class_peek_parent(G_OBJECT_GET_CLASS(object)));
}

gint tableChildren(AtkObject* object) {
  const TableState* state = readState(object);
  return state ? state->rowCount * state->columnCount() : 0;
}

AtkObject* tableChild(AtkObject* object, gint index) {
  TableState* state = readState(object);
  if (!state || state->columnCount() == 0 || index < 0) return nullptr;
  return refCell(state, index / state->columnCount(), index % state->columnCount());
}

AtkStateSet* tableStates(AtkObject* object) {
  AtkStateSet* states = parentClass(object)->ref_state_set(object);
  // A reader asks for the cells it wants instead of copying every one.
  if (states) atk_state_set_add_state(states, ATK_STATE_MANAGES_DESCENDANTS);
  return states;
}

AtkObject* tableRefAt(AtkTable* table, gint row, gint col) {
  return refCell(tableState(table), row, col);
}

gint tableIndexAt(AtkTable* table, gint row, gint col) {
  const TableState* state = tableState(table);
  return state && state->inside(row, col) ? row * state->columnCount() + col : -1;
}

gint tableColumnAt(AtkTable* table, gint index) {
  const TableState* state = tableState(table);
  if (!state || index < 0 || index >= state->rowCount * state->columnCount()) return -1;
  return index % state->columnCount();
}

gint tableRowAt(AtkTable* table, gint index) {
  const TableState* state = tableState(table);
  if (!state || index < 0 || index >= state->rowCount * state->columnCount()) return -1;
  return index / state->columnCount();
}

gint tableColumns(AtkTable* table) {
  const TableState* state = tableState(table);
  return state ? state->columnCount() : 0;
}

gint tableRows(AtkTable* table) {
  const TableState* state = tableState(table);
  return state ? state->rowCount : 0;
}

gint tableExtent(AtkTable*, gint, gint) { return 1; }

const gchar* tableColumnDescription(AtkTable* table, gint col) {
  const TableState* state = tableState(table);
  return state && col >= 0 && col < state->columnCount() ? state->headers[col].c_str() : nullptr;
}

AtkObject* tableColumnHeader(AtkTable* table, gint col) {
  const TableState* state = tableState(table);
  return state && col >= 0 && col < static_cast<int>(state->headerObjects.size())
             ? state->headerObjects[col]
             : nullptr;
}

const gchar* tableRowDescription(AtkTable* table, gint row) {
  TableState* state = tableState(table);
  if (!state || row < 0 || row >= state->rowCount) return nullptr;
  std::string& text = state->rowDescriptions[row];
  if (text.empty()) text = wxString::Format(_("Row %d"), row + 1).utf8_str().data();
  return text.c_str();
}

gboolean tableIsSelected(AtkTable* table, gint row, gint col) {
  const TableState* state = tableState(table);
  return state && row == state->cursorRow && col == state->cursorCol;
}

gboolean tableIsRowSelected(AtkTable*, gint) { return FALSE; }

void tableInterfaceInit(gpointer iface, gpointer) {
  auto* table = static_cast<AtkTableIface*>(iface);
  table->ref_at = tableRefAt;
  table->get_index_at = tableIndexAt;
  table->get_column_at_index = tableColumnAt;
  table->get_row_at_index = tableRowAt;
  table->get_n_columns = tableColumns;
  table->get_n_rows = tableRows;
  table->get_column_extent_at = tableExtent;
  table->get_row_extent_at = tableExtent;
  table->get_column_description = tableColumnDescription;
  table->get_column_header = tableColumnHeader;
  table->get_row_description = tableRowDescription;
  table->is_selected = tableIsSelected;
  table->is_row_selected = tableIsRowSelected;
  table->is_column_selected = tableIsRowSelected;
}

// The selection a reader is told of is the cursor's cell.
gint selectionCount(AtkSelection* selection) {
  const TableState* state = readState(ATK_OBJECT(selection));
  return state && state->inside(state->cursorRow, state->cursorCol) ? 1 : 0;
}

AtkObject* selectionAt(AtkSelection* selection, gint i) {
  TableState* state = readState(ATK_OBJECT(selection));
  return i == 0 && state ? refCell(state, state->cursorRow, state->cursorCol) : nullptr;
}

gboolean selectionHolds(AtkSelection* selection, gint index) {
  const TableState* state = readState(ATK_OBJECT(selection));
  return state && selectionCount(selection) == 1 &&
         index == state->cursorRow * state->columnCount() + state->cursorCol;
}

void selectionInterfaceInit(gpointer iface, gpointer) {
  auto* selection = static_cast<AtkSelectionIface*>(iface);
  selection->get_selection_count = selectionCount;
  selection->ref_selection = selectionAt;
  selection->is_child_selected = selectionHolds;
}

void tableClassInit(gpointer klass, gpointer) {
  AtkObjectClass* object = ATK_OBJECT_CLASS(klass);
  object->get_n_children = tableChildren;
  object->ref_child = tableChild;
  object->ref_state_set = tableStates;
}

// The table is the toolkit's own kind of object for the widget (so the focus,
// the position on screen and the parent work as for any widget) with the table
// interface added.
GType tableType(GType base) {
  static std::map<GType, GType> types;
  auto found = types.find(base);
  if (found != types.end()) return found->second;
  GTypeQuery query;
  g_type_query(base, &query);
  GTypeInfo info{};
  info.class_size = static_cast<guint16>(query.class_size);
  info.class_init = tableClassInit;
  info.instance_size = static_cast<guint16>(query.instance_size);
  const std::string name = std::string("TallyscopeTable") + g_type_name(base);
  const GType type = g_type_register_static(base, name.c_str(), &info, GTypeFlags(0));
  if (!g_type_is_a(base, ATK_TYPE_TABLE)) {
    GInterfaceInfo iface{};
    iface.interface_init = tableInterfaceInit;
    g_type_add_interface_static(type, ATK_TYPE_TABLE, &iface);
  }
  if (!g_type_is_a(base, ATK_TYPE_SELECTION)) {
    GInterfaceInfo iface{};
    iface.interface_init = selectionInterfaceInit;
    g_type_add_interface_static(type, ATK_TYPE_SELECTION, &iface);
  }
  types.emplace(base, type);
  return type;
}

// ---- The widget hands out the table ----------------------------------------

// GTK keeps a widget's accessible object to itself and makes it from the widget's
// class; a widget whose table is set answers with the table instead. Widgets of
// the same class without one get what they always got.
using GetAccessible = AtkObject* (*)(GtkWidget*);
std::map<GType, GetAccessible>& ownAccessible() {
  static std::map<GType, GetAccessible> functions;
  return functions;
}

AtkObject* tableOrOwnAccessible(GtkWidget* widget) {
  if (auto* table = static_cast<AtkObject*>(g_object_get_qdata(G_OBJECT(widget), tableQuark())))
    return table;
  for (GType t = G_OBJECT_TYPE(widget); t; t = g_type_parent(t)) {
    auto found = ownAccessible().find(t);
    if (found != ownAccessible().end()) return found->second(widget);
  }
  return nullptr;
}

// Headers and cells hold their table as their parent: they let go of it first.
void releaseHeaders(TableState* state) {
  for (AtkObject* header : state->headerObjects) {
    atk_object_set_parent(header, nullptr);
    g_object_unref(header);
  }
  state->headerObjects.clear();
}

void forgetTable(GtkWidget* widget, gpointer) {
  auto* table = static_cast<AtkObject*>(g_object_get_qdata(G_OBJECT(widget), tableQuark()));
  if (!table) return;
  if (TableState* state = stateOf(table)) {
    for (auto& [where, cell] : state->cells) retireCell(cell);
    state->cells.clear();
    releaseHeaders(state);
    state->widget = nullptr;
  }
  gtk_accessible_set_widget(GTK_ACCESSIBLE(table), nullptr);
  g_object_set_qdata(G_OBJECT(widget), tableQuark(), nullptr);
  g_object_unref(table);
}

void deleteState(gpointer state) { delete static_cast<TableState*>(state); }

GtkWidget* widgetOf(wxWindow* window) {
  if (!window) return nullptr;
  GtkWidget* widget = window->GetConnectWidget();
  return widget ? widget : static_cast<GtkWidget*>(window->GetHandle());
}

TableState* ensureTable(wxWindow* window) {
  GtkWidget* widget = widgetOf(window);
  if (!widget) return nullptr;
  if (auto* table = static_cast<AtkObject*>(g_object_get_qdata(G_OBJECT(widget), tableQuark())))
    return stateOf(table);
  AtkObject* own = gtk_widget_get_accessible(widget);
  if (!own || !GTK_IS_ACCESSIBLE(own)) return nullptr;
  GtkWidgetClass* klass = GTK_WIDGET_GET_CLASS(widget);
  if (klass->get_accessible != tableOrOwnAccessible) {
    ownAccessible()[G_OBJECT_TYPE(widget)] = klass->get_accessible;
    klass->get_accessible = tableOrOwnAccessible;
  }
  AtkObject* table = ATK_OBJECT(g_object_new(tableType(G_OBJECT_TYPE(own)), "widget", widget,
                                             nullptr));
  atk_object_initialize(table, widget);
  atk_object_set_role(table, ATK_ROLE_TABLE);
  // What was already said of the widget is said of the table.
  if (const gchar* name = atk_object_get_name(own)) atk_object_set_name(table, name);
  if (const gchar* description = atk_object_get_description(own))
    atk_object_set_description(table, description);
  auto* state = new TableState;
  state->widget = widget;
  state->table = table;
  g_object_set_qdata_full(G_OBJECT(table), stateQuark(), state, deleteState);
  g_object_set_qdata(G_OBJECT(widget), tableQuark(), table);
  g_signal_connect(widget, "destroy", G_CALLBACK(forgetTable), nullptr);
  return state;
}

TableState* existingTable(wxWindow* window) {
  GtkWidget* widget = widgetOf(window);
  return widget ? stateOf(static_cast<AtkObject*>(
                      g_object_get_qdata(G_OBJECT(widget), tableQuark())))
                : nullptr;
}

std::string utf8(const wxString& text) { return std::string(text.utf8_str().data()); }

void dropCells(TableState* state, int fromRow) {
  for (auto it = state->cells.begin(); it != state->cells.end();) {
    if (it->first.first >= fromRow) {
      retireCell(it->second);
      it = state->cells.erase(it);
    } else {
      ++it;
    }
  }
}

int rowsShown(const TableState& state) {
  if (state.columnCount() == 0) return 0;
  return std::max(static_cast<int>(state.rows.size()) + 1, state.cursorRow + 1);
}

// Tells the reader of the cell the cursor is on.
void announceCursor(TableState* state) {
  AtkObject* cell = refCell(state, state->cursorRow, state->cursorCol);
  if (!cell) return;
  g_signal_emit_by_name(state->table, "active-descendant-changed", cell);
  g_object_unref(cell);
}

// A change in the number of rows: the rows that went or came.
void resize(TableState* state, int rows) {
  const int before = state->rowCount;
  if (rows == before) return;
  if (rows < before) dropCells(state, rows);
  state->rowCount = rows;
  for (auto it = state->rowDescriptions.begin(); it != state->rowDescriptions.end();)
    it = it->first >= rows ? state->rowDescriptions.erase(it) : std::next(it);
  if (rows > before)
    g_signal_emit_by_name(state->table, "row-inserted", before, rows - before);
  else
    g_signal_emit_by_name(state->table, "row-deleted", rows, before - rows);
}

}  // namespace

void setTable(wxWindow* window, const TableContent& content) {
  TableState* state = ensureTable(window);
  if (!state) return;
  std::vector<std::string> headers;
  for (const wxString& h : content.headers) headers.push_back(utf8(h));
  std::vector<std::vector<std::string>> rows;
  for (const auto& row : content.rows) {
    rows.emplace_back();
    for (const wxString& text : row) rows.back().push_back(utf8(text));
  }
  const bool cursorMoved =
      content.cursorRow != state->cursorRow || content.cursorCol != state->cursorCol;
  state->rows = std::move(rows);
  state->cursorRow = content.cursorRow;
  state->cursorCol = content.cursorCol;
  if (headers != state->headers) {
    // Other columns: every cell is another.
    dropCells(state, 0);
    releaseHeaders(state);
    state->headers = std::move(headers);
    for (const std::string& text : state->headers) {
      AtkObject* header = ATK_OBJECT(g_object_new(ATK_TYPE_OBJECT, nullptr));
      atk_object_set_role(header, ATK_ROLE_TABLE_COLUMN_HEADER);
      atk_object_set_name(header, text.c_str());
      atk_object_set_parent(header, state->table);
      state->headerObjects.push_back(header);
    }
    state->rowCount = rowsShown(*state);
    state->rowDescriptions.clear();
    g_signal_emit_by_name(state->table, "model-changed");
  } else {
    resize(state, rowsShown(*state));
  }
  for (auto& [where, cell] : state->cells) {
    const std::string text = state->text(where.first, where.second);
    const gchar* name = atk_object_get_name(cell);
    if (!name || text != name) atk_object_set_name(cell, text.c_str());
  }
  if (cursorMoved) announceCursor(state);
}

void setTableCursor(wxWindow* window, int row, int col) {
  TableState* state = existingTable(window);
  if (!state || (row == state->cursorRow && col == state->cursorCol)) return;
  state->cursorRow = row;
  state->cursorCol = col;
  resize(state, rowsShown(*state));
  announceCursor(state);
}

namespace {

AtkTable* tableOf(wxWindow* window) {
  writeWaiting();
  GtkWidget* widget = widgetOf(window);
  AtkObject* object = widget ? gtk_widget_get_accessible(widget) : nullptr;
  return object && ATK_IS_TABLE(object) ? ATK_TABLE(object) : nullptr;
}

wxString fromUtf8(const gchar* text) { return text ? wxString::FromUTF8(text) : wxString(); }

}  // namespace

int tableRowCount(wxWindow* window) {
  AtkTable* table = tableOf(window);
  return table ? atk_table_get_n_rows(table) : -1;
}

int tableColumnCount(wxWindow* window) {
  AtkTable* table = tableOf(window);
  return table ? atk_table_get_n_columns(table) : -1;
}

wxString tableHeader(wxWindow* window, int col) {
  AtkTable* table = tableOf(window);
  AtkObject* header = table ? atk_table_get_column_header(table, col) : nullptr;
  return header ? fromUtf8(atk_object_get_name(header)) : wxString();
}

wxString tableCell(wxWindow* window, int row, int col) {
  AtkTable* table = tableOf(window);
  AtkObject* cell = table ? atk_table_ref_at(table, row, col) : nullptr;
  if (!cell) return wxString();
  const wxString name = fromUtf8(atk_object_get_name(cell));
  g_object_unref(cell);
  return name;
}

wxString tableRowDescription(wxWindow* window, int row) {
  AtkTable* table = tableOf(window);
  return table ? fromUtf8(atk_table_get_row_description(table, row)) : wxString();
}

bool tableActiveCell(wxWindow* window, int& row, int& col) {
  AtkTable* table = tableOf(window);
  if (!table) return false;
  for (int r = 0; r < atk_table_get_n_rows(table); ++r)
    for (int c = 0; c < atk_table_get_n_columns(table); ++c)
      if (atk_table_is_selected(table, r, c)) {
        row = r;
        col = c;
        return true;
      }
  return false;
}

#else

void setTable(wxWindow*, const TableContent&) {}
void setTableCursor(wxWindow*, int, int) {}
int tableRowCount(wxWindow*) { return -1; }
int tableColumnCount(wxWindow*) { return -1; }
wxString tableHeader(wxWindow*, int) { return wxString(); }
wxString tableCell(wxWindow*, int, int) { return wxString(); }
wxString tableRowDescription(wxWindow*, int) { return wxString(); }
bool tableActiveCell(wxWindow*, int&, int&) { return false; }

#endif

}  // namespace a11y
