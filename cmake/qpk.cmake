# The publisher's archive tool, built natively and for Windows from one list.
add_library(qpk_core STATIC
  tools/qpk/component_names.cpp
  tools/qpk/data_area_plan.cpp
  tools/qpk/export.cpp
  tools/qpk/file_io.cpp
  tools/qpk/install_verdicts.cpp
  tools/qpk/list.cpp
  tools/qpk/loaded_archive.cpp
  tools/qpk/pack.cpp
  tools/qpk/unpack.cpp
  tools/qpk/verify.cpp
  tools/qpk/warnings.cpp
)
target_link_libraries(qpk_core PUBLIC vexo_core)

add_executable(qpk tools/qpk.cpp)
target_link_libraries(qpk PRIVATE qpk_core)
target_include_directories(qpk PRIVATE ${CMAKE_BINARY_DIR}/generated)
