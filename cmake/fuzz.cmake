# Every fuzz harness (fuzz/<name>_fuzzer.cpp) is defined here once, with the
# libraries it takes. The ordinary native trees link each with a plain main that
# replays its saved inputs (fuzz/corpus/<name>) as a test; the fuzz tree
# (VEXO_FUZZ, clang, build/fuzz) links the same harness and libraries with
# libFuzzer instead, and fuzz/run-fuzzers runs those.

set(VEXO_FUZZ_HARNESSES archive archive_verdicts command_line message_table palm_database pcx user_list value_path)
if(VEXO_FUZZ)
  add_custom_target(fuzzers)
endif()
foreach(name IN LISTS VEXO_FUZZ_HARNESSES)
  if(VEXO_FUZZ)
    set(harness ${name}_fuzzer)
    add_executable(${harness} fuzz/${name}_fuzzer.cpp)
    target_link_options(${harness} PRIVATE -fsanitize=fuzzer)
    target_compile_definitions(${harness} PRIVATE VEXO_LIBFUZZER)
    add_dependencies(fuzzers ${harness})
  elseif(VEXO_BUILD_TESTS)
    set(harness fuzz_corpus_${name})
    add_executable(${harness} fuzz/${name}_fuzzer.cpp fuzz/regression_main.cpp)
    add_test(NAME native.fuzz_corpus.${name} COMMAND ${harness} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    set_tests_properties(native.fuzz_corpus.${name} PROPERTIES LABELS native)
  else()
    continue()
  endif()
  target_link_libraries(${harness} PRIVATE vexo_core vexo_pcx)
  # The installer's verification against qpk's: needs qpk's own code too.
  if(name STREQUAL "archive_verdicts")
    target_link_libraries(${harness} PRIVATE qpk_core)
  endif()
endforeach()
