# The command-line tool: its options checked directly, and the real binary run end to end.
ostrel_add_test(tst_CliOptions tst_CliOptions.cpp)
target_link_libraries(tst_CliOptions PRIVATE ostrel_cli)

ostrel_add_test(tst_CliBatch tst_CliBatch.cpp)
target_compile_definitions(tst_CliBatch PRIVATE OSTREL_BATCH_PATH="$<TARGET_FILE:ostrel-batch>")
add_dependencies(tst_CliBatch ostrel-batch)
