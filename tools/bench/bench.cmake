# The benchmark's programs (run by tools/bench.sh, never by ctest): the floor program that the
# launcher is measured against, and the driver that starts, repaints, clicks and times both.

# Built exactly as the launcher is, so the two differ only in what their code does.
add_executable(floor WIN32 ${CMAKE_CURRENT_LIST_DIR}/floor.cpp)
target_compile_options(floor PRIVATE -Wall -Wextra ${PRODUCT_FLAGS} ${REPRODUCIBLE_FLAGS})
target_link_libraries(floor PRIVATE gdi32 user32 kernel32)
target_link_options(floor PRIVATE ${PRODUCT_LINK})

add_executable(bench_driver ${CMAKE_CURRENT_LIST_DIR}/bench_driver.cpp)
target_compile_options(bench_driver PRIVATE -Wall -Wextra -O2)
target_link_options(bench_driver PRIVATE -static)
add_dependencies(bench_driver launcher game_stub floor)
