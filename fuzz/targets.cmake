# The fuzz targets and the support they share, for the fuzzers (fuzz/CMakeLists.txt)
# and for the replay tests (tests/fuzz/CMakeLists.txt) alike. Each target is
# fuzz/targets/NAME.cpp with its seed corpus in fuzz/corpus/NAME and the inputs
# that once broke it in fuzz/regressions/NAME.
set(GQC_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(GQC_FUZZ_TARGETS
  answer_receiver
  engine_answer
  ini_file
  gqc_ini
  subscriber_lists
  object_list
  archive_reading_choices
  report_settings
  modem_reply
  config_file
  archive_file
  station_texts
  report_data_file
  spreadsheet_template
  log_records
  log_file
  log_answer
)

add_library(gqc_fuzz_support STATIC
  ${GQC_FUZZ_DIR}/support/fuzz_file.cpp
  ${GQC_FUZZ_DIR}/support/fuzz_input.cpp
  ${GQC_FUZZ_DIR}/support/fuzz_line.cpp
  ${GQC_FUZZ_DIR}/support/ini_round_trip.cpp
  ${GQC_FUZZ_DIR}/support/request_choice.cpp
)
target_include_directories(gqc_fuzz_support PUBLIC ${GQC_FUZZ_DIR})
# The highest layer any target parses with; it brings every layer below.
target_link_libraries(gqc_fuzz_support PUBLIC gqc_reports)
