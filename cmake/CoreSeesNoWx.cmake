# Run by CTest: compiles two one-line files with the core library's include
# directories and definitions. A standard header must compile (so the check can
# tell a failure apart from a broken compiler call); a wx header must not.
set(dir "${CMAKE_CURRENT_BINARY_DIR}/core_sees_no_wx")
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${dir}/standard.cpp" "#include <vector>\n")
file(WRITE "${dir}/wx.cpp" "#include <wx/string.h>\n")
set(flags)
foreach(inc IN LISTS INCLUDES)
  list(APPEND flags "-I${inc}")
endforeach()
foreach(def IN LISTS DEFINES)
  list(APPEND flags "-D${def}")
endforeach()
execute_process(COMMAND "${COMPILER}" -std=c++17 -fsyntax-only ${flags} "${dir}/standard.cpp"
                RESULT_VARIABLE standard_rc)
if(NOT standard_rc EQUAL 0)
  message(FATAL_ERROR "the probe could not compile a standard header with the core's flags")
endif()
execute_process(COMMAND "${COMPILER}" -std=c++17 -fsyntax-only ${flags} "${dir}/wx.cpp"
                RESULT_VARIABLE wx_rc OUTPUT_QUIET ERROR_QUIET)
if(wx_rc EQUAL 0)
  message(FATAL_ERROR "a wx header compiles with the core's flags: the core can see wx")
endif()
message(STATUS "the core's flags reach no wx header")
