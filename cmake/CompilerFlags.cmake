# Every compiler flag of the project lives in this one INTERFACE target, so each rule is
# written down once, with its reason, and every target gets the same. The fuzz targets' own
# project (fuzz/) takes it from here too.
get_filename_component(VELTRANO_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
add_library(veltrano_flags INTERFACE)

target_compile_options(veltrano_flags INTERFACE
    # The code builds without warnings; these are the ones that catch real mistakes.
    -Wall -Wextra -Wpedantic
    # A shadowed name in a nested loop over text positions is a bug that compiles.
    -Wshadow
    # Casting away const on a route's text is never intended.
    -Wcast-qual
)

# A Debug build checks every index into a string or vector: an off-by-one in a text position
# then stops the test that reaches it instead of reading a byte beside the text.
target_compile_definitions(veltrano_flags INTERFACE $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)

# windows.h, which platform/ includes on Windows, must not define min and max as macros.
if(WIN32)
    target_compile_definitions(veltrano_flags INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN)
endif()

target_include_directories(veltrano_flags INTERFACE
    # version.h is generated from the project version.
    ${CMAKE_BINARY_DIR}/generated
    # Includes name their layer ("platform/FileSystem.h"), so the dependency shows at the top.
    ${VELTRANO_SOURCE_DIR}
)

if(VELTRANO_SANITIZE)
    # Memory and undefined-behaviour faults fail the test run instead of passing unnoticed.
    target_compile_options(veltrano_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(veltrano_flags INTERFACE -fsanitize=address,undefined)
endif()
