# Installs the built program under a fresh prefix and checks what a desktop needs of it: the
# program with its data folder, the link on the PATH, the desktop file naming the installed
# program, and the icons.
#   cmake -DBUILD=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install failed: ${rc}")
endif()

foreach(f lib/varlo/varlo lib/varlo/Fails/Readme.html lib/varlo/Fails/tags.chm
          lib/varlo/Fails/tags/index.html lib/varlo/Fails/tags/table.html bin/varlo
          share/applications/varlo.desktop share/icons/hicolor/scalable/apps/varlo.svg
          share/icons/hicolor/48x48/apps/varlo.png)
    if(NOT EXISTS ${PREFIX}/${f})
        message(FATAL_ERROR "not installed: ${f}")
    endif()
endforeach()
file(GLOB project_files ${PREFIX}/lib/varlo/Fails/tags/*.hh?)
file(GLOB ini_files ${PREFIX}/lib/varlo/Fails/*.ini)
if(project_files OR ini_files)
    message(FATAL_ERROR "build or run files installed: ${project_files} ${ini_files}")
endif()

file(STRINGS ${PREFIX}/share/applications/varlo.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${PREFIX}/bin/varlo %f")
    message(FATAL_ERROR "the desktop file starts '${exec}'")
endif()
file(STRINGS ${PREFIX}/share/applications/varlo.desktop mime REGEX "^MimeType=.*text/html;")
if(NOT mime)
    message(FATAL_ERROR "the desktop file does not offer to open web pages")
endif()
file(REAL_PATH ${PREFIX}/bin/varlo target)
file(REAL_PATH ${PREFIX}/lib/varlo/varlo program)
if(NOT target STREQUAL program)
    message(FATAL_ERROR "bin/varlo leads to ${target}")
endif()
find_program(validate desktop-file-validate)
if(validate)
    execute_process(COMMAND ${validate} ${PREFIX}/share/applications/varlo.desktop
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate refused the desktop file")
    endif()
endif()
