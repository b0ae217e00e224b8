# Route folders in temporary directories and world files in every form a route tool stores,
# as the test suites, the benchmarks' route generator and the fuzz targets make them: one
# library, built from tests/support/, that all three link.
add_library(veltrano_route_files STATIC EXCLUDE_FROM_ALL
    ${VELTRANO_SOURCE_DIR}/tests/support/TempRoute.cpp
    ${VELTRANO_SOURCE_DIR}/tests/support/WorldFileForms.cpp)
target_link_libraries(veltrano_route_files PUBLIC veltrano_app veltrano_engine veltrano_platform
    veltrano_flags)
# Compressed world files are made with zlib, as route tools make them.
find_package(ZLIB REQUIRED)
target_link_libraries(veltrano_route_files PRIVATE ZLIB::ZLIB)
# Memory and processor time of a process that makes route folders are capped, so a loop that
# never ends fails its test quickly; a sanitizer's shadow memory and checks need both
# unbounded (the fuzz targets build with sanitizers).
if(NOT VELTRANO_SANITIZE)
    target_compile_definitions(veltrano_route_files PRIVATE VELTRANO_LIMIT_RUNAWAYS)
endif()
