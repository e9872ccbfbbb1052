# Installation and packaging.
#
#   cmake --install BUILD --prefix PREFIX
#     PREFIX/bin                      swarm50, swarm5, swarmsim
#     PREFIX/lib                      libpromptrt.a (and on Linux the platform
#                                     layer and its display objects)
#     PREFIX/include/promptrt/...     runtime/... and platform/... headers
#     PREFIX/lib/cmake/promptrt       find_package(promptrt) support
#
# A user's program then builds with
#   find_package(promptrt REQUIRED)
#   target_link_libraries(app PRIVATE promptrt::promptrt)
# and includes "runtime/core/startup.h" and friends. On Linux the package
# links the SDL display by default; set promptrt_DISPLAY to "headless" (or
# "none") before find_package to choose another.
#
# cpack (in a Windows build) makes a ZIP with the programs only.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(PROMPTRT_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/promptrt)
set(PROMPTRT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/promptrt)

# Programs and the user-facing tool.
foreach(program swarm50 swarm5 swarmsim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)
  endif()
endforeach()

# swarmsim's video writer, which it loads from lib/promptrt.
if(TARGET swarmsimvideo)
  install(TARGETS swarmsimvideo LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/promptrt COMPONENT programs)
endif()

# The library and the platform underneath it. The displays are object
# libraries: their objects are linked into the user's program.
set_target_properties(promptplatform PROPERTIES EXPORT_NAME platform)
set(library_targets promptrt promptplatform)
foreach(display headless sdl)
  if(TARGET promptdisplay_${display})
    set_target_properties(promptdisplay_${display} PROPERTIES EXPORT_NAME display_${display})
    list(APPEND library_targets promptdisplay_${display})
  endif()
endforeach()
install(TARGETS ${library_targets} EXPORT promptrtTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
        OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR}/promptrt-objects COMPONENT development
        INCLUDES DESTINATION ${PROMPTRT_INCLUDE_DIR})

# Headers, under the paths the sources include them by.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/runtime/ DESTINATION ${PROMPTRT_INCLUDE_DIR}/runtime
        COMPONENT development FILES_MATCHING PATTERN "*.h")
install(FILES ${PROJECT_SOURCE_DIR}/platform/platform.h DESTINATION ${PROMPTRT_INCLUDE_DIR}/platform
        COMPONENT development)
if(NOT WIN32)
  file(GLOB posix_headers ${PROJECT_SOURCE_DIR}/platform/posix/*.h)
  install(FILES ${posix_headers} DESTINATION ${PROMPTRT_INCLUDE_DIR}/platform/posix
          COMPONENT development)
endif()

install(EXPORT promptrtTargets NAMESPACE promptrt:: DESTINATION ${PROMPTRT_CMAKE_DIR}
        COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/promptrtConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/promptrtConfig.cmake
                              INSTALL_DESTINATION ${PROMPTRT_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/promptrtConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/promptrtConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/promptrtConfigVersion.cmake
        DESTINATION ${PROMPTRT_CMAKE_DIR} COMPONENT development)

# Packages. The Windows ZIP holds what a user runs: the programs and README.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . COMPONENT programs)
set(CPACK_PACKAGE_NAME promptrt)
set(CPACK_PACKAGE_VENDOR "promptrt developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A runtime for BASIC-style desktop programs, and two swarm programs")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME promptrt-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR})
  # One archive of the "programs" component only.
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL programs)
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_PACKAGE_FILE_NAME promptrt-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
endif()
include(CPack)
