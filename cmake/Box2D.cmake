# Box2D 2.4.1, built from Debian's source package with one change: the largest translation per
# step becomes a run-time global, because the game sets it per level ("setMaxTranslation") and
# Box2D fixes it at compile time. scripts/install-deps.sh fetches the package into .cache/; no
# third-party source lives in the repository. The result is the static library target `box2d`,
# whose patched headers come first on its users' include path.
set(BOX2D_PACKAGE_DIR ${PROJECT_SOURCE_DIR}/.cache/box2d/box2d-2.4.1 CACHE PATH
    "Box2D 2.4.1 source tree, as unpacked by apt-get source box2d")
if(NOT EXISTS ${BOX2D_PACKAGE_DIR}/include/box2d/b2_common.h)
    message(FATAL_ERROR "Box2D's source is missing from ${BOX2D_PACKAGE_DIR}: run scripts/install-deps.sh")
endif()

set(BOX2D_BUILD_SOURCE ${PROJECT_BINARY_DIR}/box2d-source)
file(COPY ${BOX2D_PACKAGE_DIR}/CMakeLists.txt ${BOX2D_PACKAGE_DIR}/include ${BOX2D_PACKAGE_DIR}/src
     DESTINATION ${BOX2D_BUILD_SOURCE})

# The two #defines become declarations of globals defined in cmake/box2d/MaxTranslation.cpp.
file(READ ${BOX2D_PACKAGE_DIR}/include/box2d/b2_common.h original)
set(patched "${original}")
string(REPLACE "#define b2_maxTranslation\t\t\t(2.0f * b2_lengthUnitsPerMeter)"
       "extern B2_API float b2_maxTranslation;" patched "${patched}")
string(REPLACE "#define b2_maxTranslationSquared\t(b2_maxTranslation * b2_maxTranslation)"
       "extern B2_API float b2_maxTranslationSquared;" patched "${patched}")
string(FIND "${patched}" "#define b2_maxTranslation" leftover)
string(FIND "${patched}" "extern B2_API float b2_maxTranslationSquared;" declared)
if(NOT leftover EQUAL -1 OR declared EQUAL -1)
    message(FATAL_ERROR "b2_common.h did not match the expected b2_maxTranslation definitions; "
                        "is ${BOX2D_PACKAGE_DIR} Box2D 2.4.1?")
endif()
set(patched_header ${BOX2D_BUILD_SOURCE}/include/box2d/b2_common.h)
file(READ ${patched_header} current)
if(NOT current STREQUAL patched)
    file(WRITE ${patched_header} "${patched}")
endif()

set(BOX2D_BUILD_UNIT_TESTS OFF CACHE BOOL "" FORCE)
set(BOX2D_BUILD_TESTBED OFF CACHE BOOL "" FORCE)
set(BOX2D_BUILD_DOCS OFF CACHE BOOL "" FORCE)
# Box2D's own options must see the values set here.
set(CMAKE_POLICY_DEFAULT_CMP0077 NEW)
add_subdirectory(${BOX2D_BUILD_SOURCE} ${PROJECT_BINARY_DIR}/box2d EXCLUDE_FROM_ALL SYSTEM)
target_sources(box2d PRIVATE ${PROJECT_SOURCE_DIR}/cmake/box2d/MaxTranslation.cpp)
# Third-party code: its warnings are not ours to fix.
target_compile_options(box2d PRIVATE -w)
if(TUMBLE_SANITIZE)
    # b2Joint::Destroy reads the joint's type after running its destructor, which the vptr check
    # reports on every joint destroyed; the block is still the allocator's then, so the read holds.
    target_compile_options(box2d PRIVATE -fno-sanitize=vptr)
endif()
