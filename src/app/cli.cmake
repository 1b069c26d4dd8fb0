# ostrel-batch: the command-line tool. Its option parsing and terminal progress live in a small
# library of their own so that the tests can check them without starting the tool.
add_library(ostrel_cli STATIC
    CliOptions.h CliOptions.cpp
    CliProgress.h CliProgress.cpp)
target_link_libraries(ostrel_cli PUBLIC ostrel_core)

add_executable(ostrel-batch ostrel_batch_main.cpp)
target_link_libraries(ostrel-batch PRIVATE ostrel_cli)
target_compile_definitions(ostrel-batch PRIVATE OSTREL_VERSION="${PROJECT_VERSION}")
install(TARGETS ostrel-batch)
