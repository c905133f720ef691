# The installed package, checked the way a host uses it; run by ctest as
#   cmake -DMODE=install|cmake|pkg-config -DBUILD_DIR=... -DWORK_DIR=... ... -P check_install.cmake
# install     installs BUILD_DIR into WORK_DIR/prefix (the other modes use that prefix) and runs
#             the installed corvane-host
# cmake       builds the project in this folder against the prefix with find_package, and runs
#             its programs
# pkg-config  compiles examples/headless_host.cpp with `pkg-config --cflags --libs corvane`
# Other definitions: CONSUMER_DIR (this folder), CONFIG (build type), CXX (the compiler),
# LIBDIR (relative to the prefix), SANITIZE (compile and link flags of the build),
# WITH_QT (ON when Corvane::qt is installed), DESIGNER_PLUGIN (the plugin, relative to the
# prefix, when built), SCRIPT_CHECK (corvane-host-script-check), PKG_CONFIG, API_REFERENCE
# (the reference's folder, relative to the prefix, when built).
cmake_minimum_required(VERSION 3.25)

set(prefix ${WORK_DIR}/prefix)
separate_arguments(sanitize UNIX_COMMAND "${SANITIZE}")

# Runs a command; fails the test with its output when it fails. The output is left in
# `run_output`.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "failed (${result}): ${command}\n${output}")
  endif()
  set(run_output "${output}" PARENT_SCOPE)
endfunction()

function(expect_output what)
  string(FIND "${run_output}" "${what}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${what}\" in the output:\n${run_output}")
  endif()
endfunction()

function(expect_file path)
  if(NOT EXISTS ${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endfunction()

if(MODE STREQUAL "install")
  file(REMOVE_RECURSE ${WORK_DIR})
  set(config_args "")
  if(CONFIG)
    set(config_args --config ${CONFIG})
  endif()
  run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${config_args})
  expect_file(${prefix}/include/corvane/corvane.h)
  expect_file(${prefix}/include/corvane/version.h)
  # Nothing internal: beside the public headers, only the earlier paths, each forwarding.
  file(GLOB_RECURSE headers RELATIVE ${prefix}/include ${prefix}/include/*)
  foreach(header IN LISTS headers)
    if(header MATCHES "^corvane/[a-z_]+\\.h$")
      continue()
    endif()
    file(READ ${prefix}/include/${header} text)
    if(NOT text MATCHES "#include <corvane/[a-z_]+\\.h>\n$")
      message(FATAL_ERROR "installed, yet neither public nor forwarding: ${header}")
    endif()
  endforeach()
  expect_file(${prefix}/include/corvane/control/corvane.h)
  if(WITH_QT)
    expect_file(${prefix}/bin/corvane-demo)
  endif()
  if(DESIGNER_PLUGIN)
    expect_file(${prefix}/${DESIGNER_PLUGIN})
  endif()
  # The reference a newcomer reads without the source tree: the widget's page among them.
  if(API_REFERENCE)
    expect_file(${prefix}/${API_REFERENCE}/index.html)
    expect_file(${prefix}/${API_REFERENCE}/classcorvane_1_1qt_1_1CorvaneWidget.html)
  endif()
  # The installed program, on one of the example scripts and its answers.
  if(SCRIPT_CHECK)
    set(script ${CONSUMER_DIR}/../../examples/scripts/protocol-example)
    run(${SCRIPT_CHECK} ${prefix}/bin/corvane-host ${script}.jsonl ${script}.expected
        --today 2026-12-06)
  endif()

elseif(MODE STREQUAL "cmake")
  set(build ${WORK_DIR}/cmake-consumer)
  file(REMOVE_RECURSE ${build})
  run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${build}
      -DCMAKE_PREFIX_PATH=${prefix}
      -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
      -DCMAKE_CXX_COMPILER=${CXX}
      -DCMAKE_BUILD_TYPE=${CONFIG}
      "-DCMAKE_CXX_FLAGS=${SANITIZE}"
      "-DCMAKE_EXE_LINKER_FLAGS=${SANITIZE}")
  # The package must come from the prefix, not from some other installed Corvane.
  file(STRINGS ${build}/CMakeCache.txt corvane_dir REGEX "^Corvane_DIR:")
  string(FIND "${corvane_dir}" "=${prefix}/" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "Corvane found elsewhere than in ${prefix}: ${corvane_dir}")
  endif()
  run(${CMAKE_COMMAND} --build ${build} --parallel 2)

  run(${build}/headless_host)
  expect_output("cmdAdd (2910, 4500, 1155 x 375) caption \"New Payment\"")
  expect_output("lblVersionNumber")
  run(${build}/typed_host)
  expect_output("N 1002 20.55\ntotal 120.55")
  run(${build}/earlier_paths_host)
  expect_output("EntryOpen 1")
  if(WITH_QT)
    expect_file(${build}/qt_host)
    run(${build}/qt_host --quit)
    run(${build}/form_host)
    expect_output("TotalAmount 120.5")
    expect_output("accessKeys 1")
    # Corvane::qt alone needs no Qt test library; the operator's library brings it.
    expect_file(${build}/operator_host)
    run(${build}/operator_host)
    expect_output("cmdAdd Save, txtAmount 12.5")
    expect_file(${build}/qt_idiom_host)
    run(${build}/qt_idiom_host)
    expect_output("totalChanged 100 250 150 250")
    expect_output("changes Dec 01, 2026~2~1002~~150~~N|")
  endif()

elseif(MODE STREQUAL "pkg-config")
  set(build ${WORK_DIR}/pkg-config-consumer)
  file(REMOVE_RECURSE ${build})
  file(MAKE_DIRECTORY ${build})
  set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
  run(${PKG_CONFIG} --cflags --libs corvane)
  string(STRIP "${run_output}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  run(${CXX} -std=c++20 -Wall -Wextra -Wpedantic -Werror ${sanitize}
      ${CONSUMER_DIR}/../../examples/headless_host.cpp ${flags} -o ${build}/headless_host)
  run(${build}/headless_host)
  expect_output("cmdAdd (2910, 4500, 1155 x 375) caption \"New Payment\"")

else()
  message(FATAL_ERROR "MODE must be install, cmake or pkg-config, not \"${MODE}\"")
endif()
