#include "ui/app/AnalysisApp.h"

wxIMPLEMENT_APP(AnalysisApp);
