# Installs the build into a scratch staging folder and checks the layout a desktop needs:
# the program with its side files in one folder, a link to it in bin/, the menu entry and
# its icons. Run by CTest with -DBUILD_DIR=... -DSOURCE_DIR=... -DSTAGE=...
set(prefix /opt/lorvane-check)
function(stage_install what)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
                ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} failed:\n${output}")
    endif()
endfunction()

file(REMOVE_RECURSE "${STAGE}")
stage_install("cmake --install")
set(root "${STAGE}${prefix}")

function(expect_file path)
    if(NOT EXISTS "${root}/${path}" OR IS_DIRECTORY "${root}/${path}")
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endfunction()

expect_file(lib/lorvane/lorvane)
expect_file(lib/lorvane/lorvane-window)
expect_file(lib/lorvane/HAND-M.CUR)
expect_file(lib/lorvane/drag.ico)
expect_file(share/applications/lorvane.desktop)
expect_file(share/icons/hicolor/256x256/apps/lorvane.png)
expect_file(share/icons/hicolor/48x48/apps/lorvane.png)
expect_file(share/metainfo/${APPSTREAM_ID}.metainfo.xml)
expect_file(share/man/man1/lorvane.1.gz)
expect_file(share/bash-completion/completions/lorvane)
expect_file(share/zsh/vendor-completions/_lorvane)
expect_file(share/fish/vendor_completions.d/lorvane.fish)
if(IS_DIRECTORY "${SOURCE_DIR}/resources/Samples" AND NOT IS_DIRECTORY "${root}/lib/lorvane/Samples")
    message(FATAL_ERROR "the Samples folder was not installed beside the program")
endif()

# The program must be executable and its link relative, so the staged tree can move.
execute_process(COMMAND test -x "${root}/lib/lorvane/lorvane" RESULT_VARIABLE not_executable)
if(not_executable)
    message(FATAL_ERROR "lib/lorvane/lorvane is not executable")
endif()
if(NOT IS_SYMLINK "${root}/bin/lorvane")
    message(FATAL_ERROR "bin/lorvane is not a link")
endif()
file(READ_SYMLINK "${root}/bin/lorvane" target)
if(NOT target STREQUAL "../lib/lorvane/lorvane")
    message(FATAL_ERROR "bin/lorvane points to ${target}")
endif()
file(REAL_PATH "${root}/bin/lorvane" resolved)
file(REAL_PATH "${root}/lib/lorvane/lorvane" program)
if(NOT resolved STREQUAL program)
    message(FATAL_ERROR "bin/lorvane resolves to ${resolved}")
endif()

file(READ "${root}/share/applications/lorvane.desktop" entry)
foreach(line "[Desktop Entry]" "Type=Application" "Name=Lorvane" "Exec=lorvane %F" "Icon=lorvane"
        "MimeType=audio/ogg;audio/x-vorbis+ogg;audio/vorbis;audio/x-opus+ogg;audio/opus;")
    string(FIND "${entry}" "${line}" at)
    if(at LESS 0)
        message(FATAL_ERROR "lorvane.desktop lacks ${line}")
    endif()
endforeach()

# What the desktop, a software centre and man(1) read must pass their own checks.
function(expect_valid what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${what} is not valid:\n${output}")
    endif()
endfunction()
expect_valid("the desktop entry" desktop-file-validate "${root}/share/applications/lorvane.desktop")
expect_valid("the AppStream metainfo" appstreamcli validate --no-net
    "${root}/share/metainfo/${APPSTREAM_ID}.metainfo.xml")
execute_process(COMMAND man --warnings -l "${root}/share/man/man1/lorvane.1.gz"
    OUTPUT_QUIET ERROR_VARIABLE man_warnings RESULT_VARIABLE man_result)
if(NOT man_result EQUAL 0 OR NOT man_warnings STREQUAL "")
    message(FATAL_ERROR "the manual page does not format cleanly:\n${man_warnings}")
endif()

# Installing again over the first install must work too (the link is replaced).
stage_install("a second cmake --install")
file(REMOVE_RECURSE "${STAGE}")
message(STATUS "install layout ok")
