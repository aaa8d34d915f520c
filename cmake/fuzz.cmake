# Replays every saved fuzzer input (fuzz/corpus/<name>) through its harness as an
# ordinary test. The harnesses link against a plain main, so no libFuzzer or
# clang is needed; fuzz/run-fuzzers does the actual fuzzing.

if(VEXO_BUILD_TESTS)
  set(VEXO_FUZZ_HARNESSES archive archive_verdicts command_line message_table palm_database pcx user_list value_path)
  foreach(name IN LISTS VEXO_FUZZ_HARNESSES)
    add_executable(fuzz_corpus_${name} fuzz/${name}_fuzzer.cpp fuzz/regression_main.cpp)
    target_link_libraries(fuzz_corpus_${name} PRIVATE vexo_core vexo_pcx)
    add_test(NAME native.fuzz_corpus.${name}
      COMMAND fuzz_corpus_${name} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    set_tests_properties(native.fuzz_corpus.${name} PROPERTIES LABELS native)
  endforeach()
  # The installer's verification against qpk's: needs qpk's own code too.
  target_link_libraries(fuzz_corpus_archive_verdicts PRIVATE qpk_core)
endif()
