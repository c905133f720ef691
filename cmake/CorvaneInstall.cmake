# Installing Corvane: the public headers in include/corvane/ (hosts include
# <corvane/corvane.h>; the paths of earlier versions, "control/corvane.h", forward to them),
# the static libraries, the API reference when built (share/doc/Corvane/html/), the CMake package
# (find_package(Corvane CONFIG): Corvane::corvane, Corvane::headless, Corvane::qt,
# Corvane::qt_operator), corvane.pc
# for the core with the headless toolkit, corvane-host and corvane-demo, and the Qt Designer
# plugin in Qt's plugin folder. Included at the end of the top-level CMakeLists.txt.
option(CORVANE_INSTALL "Generate the install rules and the package files"
       ${PROJECT_IS_TOP_LEVEL})
if(NOT CORVANE_INSTALL)
  return()
endif()

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(CORVANE_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/corvane)
set(CORVANE_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Corvane
    CACHE STRING "Where the CMake package files go, relative to the prefix")
mark_as_advanced(CORVANE_INSTALL_CMAKEDIR)

# The targets, as Corvane::<export name>. A host includes <corvane/...> from include/; the
# earlier paths ("control/corvane.h") are found under include/corvane/.
foreach(target IN ITEMS corvane_surface corvane_model corvane)
  target_include_directories(${target} PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
                                              $<INSTALL_INTERFACE:${CORVANE_INSTALL_INCLUDEDIR}>)
endforeach()
set_target_properties(corvane PROPERTIES EXPORT_NAME corvane)
set_target_properties(corvane_headless PROPERTIES EXPORT_NAME headless)
set_target_properties(corvane_readings PROPERTIES EXPORT_NAME readings)
set_target_properties(corvane_model PROPERTIES EXPORT_NAME model)
set_target_properties(corvane_surface PROPERTIES EXPORT_NAME surface)
set_target_properties(corvane_headless_toolkit PROPERTIES EXPORT_NAME headless_toolkit)
install(TARGETS corvane_readings corvane_model corvane_surface corvane corvane_headless_toolkit
                corvane_headless EXPORT CorvaneTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT CorvaneTargets NAMESPACE Corvane:: DESTINATION ${CORVANE_INSTALL_CMAKEDIR})
if(TARGET corvane_qt)
  # Its own export set, so that a host without Qt can still take the core from the package.
  set_target_properties(corvane_qt PROPERTIES EXPORT_NAME qt)
  set_target_properties(corvane_qt_toolkit PROPERTIES EXPORT_NAME qt_toolkit)
  install(TARGETS corvane_qt_toolkit corvane_qt EXPORT CorvaneQtTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
          RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(EXPORT CorvaneQtTargets NAMESPACE Corvane:: DESTINATION ${CORVANE_INSTALL_CMAKEDIR})
  # The Qt operator for hosts' tests, apart again: only it needs Qt's test library.
  set_target_properties(corvane_qt_operator PROPERTIES EXPORT_NAME qt_operator)
  install(TARGETS corvane_qt_operator EXPORT CorvaneQtOperatorTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT CorvaneQtOperatorTargets NAMESPACE Corvane::
          DESTINATION ${CORVANE_INSTALL_CMAKEDIR})
  set(CORVANE_PACKAGE_WITH_QT ON)
else()
  set(CORVANE_PACKAGE_WITH_QT OFF)
endif()

if(TARGET corvane_api_reference)
  install(DIRECTORY ${PROJECT_BINARY_DIR}/docs/html/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/html)
endif()

# The public headers, each installed library's own, and the generated version header;
# nothing internal.
set(corvane_installed_layers corvane_readings corvane_model corvane_surface corvane
    corvane_headless_toolkit)
if(TARGET corvane_qt)
  list(APPEND corvane_installed_layers corvane_qt_toolkit corvane_qt corvane_qt_operator)
endif()
set(corvane_public_headers ${PROJECT_BINARY_DIR}/generated/corvane/version.h)
foreach(target IN LISTS corvane_installed_layers)
  get_target_property(headers ${target} CORVANE_PUBLIC_HEADERS)
  if(headers)
    list(APPEND corvane_public_headers ${headers})
  endif()
endforeach()
install(FILES ${corvane_public_headers} DESTINATION ${CORVANE_INSTALL_INCLUDEDIR})

# The paths hosts included before the public headers had their own folder: each forwards to
# its public header. EARLIER=PUBLIC pairs; the Qt ones only with Qt.
set(corvane_earlier_paths
    control/corvane.h=corvane.h control/dispatch.h=dispatch.h control/snapshot.h=snapshot.h
    control/version.h=version.h model/host_error.h=host_error.h surface/layout.h=layout.h
    surface/operator.h=operator.h surface/screen.h=screen.h
    surface/scripted_services.h=scripted_services.h surface/surface.h=widgets.h
    surface/toolkit_screen.h=toolkit_screen.h toolkits/headless/operator.h=headless_operator.h
    toolkits/headless/screen.h=headless_screen.h)
if(TARGET corvane_qt)
  list(APPEND corvane_earlier_paths qt_widget/corvane_widget.h=corvane_widget.h
       toolkits/qt/screen.h=qt_screen.h testing/qt_operator/operator.h=qt_operator.h)
endif()
foreach(pair IN LISTS corvane_earlier_paths)
  string(REPLACE "=" ";" pair ${pair})
  list(GET pair 0 earlier)
  list(GET pair 1 public)
  set(forward ${PROJECT_BINARY_DIR}/forwarding/${earlier})
  file(CONFIGURE OUTPUT ${forward} CONTENT
       "// The path of earlier versions; include <corvane/${public}> instead.\n#pragma once\n#include <corvane/${public}>\n")
  get_filename_component(folder ${earlier} DIRECTORY)
  install(FILES ${forward} DESTINATION ${CORVANE_INSTALL_INCLUDEDIR}/${folder})
endforeach()

# The CMake package.
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/CorvaneConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/package/CorvaneConfig.cmake
                              INSTALL_DESTINATION ${CORVANE_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/CorvaneConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/CorvaneConfig.cmake
              ${PROJECT_BINARY_DIR}/package/CorvaneConfigVersion.cmake
        DESTINATION ${CORVANE_INSTALL_CMAKEDIR})

# corvane.pc finds the prefix from its own place, so that the installed tree can move.
set(CORVANE_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(CORVANE_PC_PREFIX ${CMAKE_INSTALL_PREFIX})
else()
  file(RELATIVE_PATH corvane_pc_up /prefix/${CORVANE_INSTALL_PKGCONFIGDIR} /prefix)
  string(REGEX REPLACE "/$" "" corvane_pc_up "${corvane_pc_up}")
  set(CORVANE_PC_PREFIX "\${pcfiledir}/${corvane_pc_up}")
endif()
foreach(dir IN ITEMS INCLUDEDIR LIBDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(CORVANE_PC_${dir} ${CMAKE_INSTALL_${dir}})
  else()
    set(CORVANE_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/corvane.pc.in ${PROJECT_BINARY_DIR}/package/corvane.pc
               @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/package/corvane.pc DESTINATION ${CORVANE_INSTALL_PKGCONFIGDIR})

# The programs.
foreach(program IN ITEMS corvane-host corvane-demo)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The Designer plugin, where Designer looks: Qt's plugin folder (QT6_INSTALL_PLUGINS, e.g.
# lib/x86_64-linux-gnu/qt6/plugins on Debian) under the install prefix.
if(TARGET corvane_designer)
  if(DEFINED QT6_INSTALL_PLUGINS)
    set(corvane_qt_plugins ${QT6_INSTALL_PLUGINS})
  else()
    set(corvane_qt_plugins ${CMAKE_INSTALL_LIBDIR}/qt6/plugins)
  endif()
  set(CORVANE_INSTALL_DESIGNER_PLUGINDIR ${corvane_qt_plugins}/designer
      CACHE STRING "Where the Qt Designer plugin goes, relative to the prefix")
  mark_as_advanced(CORVANE_INSTALL_DESIGNER_PLUGINDIR)
  install(TARGETS corvane_designer LIBRARY DESTINATION ${CORVANE_INSTALL_DESIGNER_PLUGINDIR})
endif()

# The installed package at work: installed into a prefix in the build tree, then used by
# the projects in tests/consumer/ through find_package and through pkg-config. Under the
# sanitizers the consumers are built with them too: the static libraries need their runtimes.
if(CORVANE_BUILD_TESTS)
  set(corvane_sanitize_flags "")
  if(CORVANE_SANITIZE)
    set(corvane_sanitize_flags "-fsanitize=address,undefined")
  endif()
  set(corvane_designer_installed "")
  if(TARGET corvane_designer)
    set(corvane_designer_installed
        "${CORVANE_INSTALL_DESIGNER_PLUGINDIR}/$<TARGET_FILE_NAME:corvane_designer>")
  endif()
  set(corvane_script_check "")
  if(TARGET corvane-host-script-check)
    set(corvane_script_check $<TARGET_FILE:corvane-host-script-check>)
  endif()
  set(corvane_check_install
    ${CMAKE_COMMAND}
    -DBUILD_DIR=${PROJECT_BINARY_DIR}
    -DWORK_DIR=${PROJECT_BINARY_DIR}/consumer-test
    -DCONSUMER_DIR=${PROJECT_SOURCE_DIR}/tests/consumer
    -DCONFIG=$<CONFIG>
    -DCXX=${CMAKE_CXX_COMPILER}
    -DLIBDIR=${CMAKE_INSTALL_LIBDIR}
    -DSANITIZE=${corvane_sanitize_flags}
    -DWITH_QT=${CORVANE_PACKAGE_WITH_QT}
    -DDESIGNER_PLUGIN=${corvane_designer_installed}
    -DSCRIPT_CHECK=${corvane_script_check}
    -DAPI_REFERENCE=$<IF:$<TARGET_EXISTS:corvane_api_reference>,${CMAKE_INSTALL_DOCDIR}/html,>
  )
  set(corvane_check_script ${PROJECT_SOURCE_DIR}/tests/consumer/check_install.cmake)
  add_test(NAME install.into_prefix
           COMMAND ${corvane_check_install} -DMODE=install -P ${corvane_check_script})
  set_tests_properties(install.into_prefix PROPERTIES FIXTURES_SETUP corvane_installed)
  add_test(NAME install.cmake_consumer
           COMMAND ${corvane_check_install} -DMODE=cmake -P ${corvane_check_script})
  set_tests_properties(install.cmake_consumer PROPERTIES FIXTURES_REQUIRED corvane_installed
                       ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 300)
  find_program(CORVANE_PKG_CONFIG NAMES pkg-config pkgconf)
  if(CORVANE_PKG_CONFIG)
    add_test(NAME install.pkg_config_consumer
             COMMAND ${corvane_check_install} -DMODE=pkg-config
                     -DPKG_CONFIG=${CORVANE_PKG_CONFIG} -P ${corvane_check_script})
    set_tests_properties(install.pkg_config_consumer PROPERTIES
                         FIXTURES_REQUIRED corvane_installed TIMEOUT 300)
  else()
    message(STATUS "pkg-config not found: the pkg-config consumer test is left out")
  endif()
endif()
