# Run by the windows-installer target (cmake -P): installs the build into a
# folder of its own, lists that folder's files for the installer, runs
# makensis on rulewright.nsi and zips the same folder for the portable copy.
# Takes BUILD_DIR, SOURCE_DIR (data/windows), VERSION and MAKENSIS.
if(NOT MAKENSIS)
  message(FATAL_ERROR "makensis is missing: apt-get install nsis (make windows-installer does)")
endif()

set(name Rulewright-${VERSION})
set(work ${BUILD_DIR}/installer)
set(stage ${work}/${name})
file(REMOVE_RECURSE ${work})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage} --strip
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

# The installer installs exactly these and its uninstaller removes exactly
# these, so that what a user put into the folder (a template saved beside a
# per-user installation) stays.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(install "!macro RwInstallFiles\n")
set(remove "!macro RwRemoveFiles\n")
set(folders)
set(current "-")
foreach(file IN LISTS files)
  cmake_path(GET file PARENT_PATH folder)
  if(NOT folder STREQUAL current)
    set(current "${folder}")
    if(folder STREQUAL "")
      string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
    else()
      string(REPLACE "/" "\\" native "${folder}")
      string(APPEND install "  SetOutPath \"$INSTDIR\\${native}\"\n")
      list(PREPEND folders "${native}")
    endif()
  endif()
  string(REPLACE "/" "\\" native "${file}")
  string(APPEND install "  File \"${stage}/${file}\"\n")
  string(APPEND remove "  Delete \"$INSTDIR\\${native}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(APPEND remove "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
string(APPEND install "!macroend\n")
string(APPEND remove "!macroend\n")
file(WRITE ${work}/files.nsh "; The files of this build, written by MakeInstaller.cmake.\n${install}${remove}")

# Windows wants four numbers where the version may have fewer.
string(REPLACE "." ";" quad "${VERSION}.0.0.0")
list(SUBLIST quad 0 4 quad)
list(JOIN quad "." quad)
execute_process(
  COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8
          -DVERSION=${VERSION} -DVERSION_QUAD=${quad} -DFILES=${work}/files.nsh
          -DDATA=${SOURCE_DIR} -DOUTFILE=${BUILD_DIR}/${name}-setup.exe
          ${SOURCE_DIR}/rulewright.nsi
  COMMAND_ERROR_IS_FATAL ANY)

file(REMOVE ${BUILD_DIR}/${name}-portable.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${BUILD_DIR}/${name}-portable.zip --format=zip
                        ${name}
                WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Installer: ${BUILD_DIR}/${name}-setup.exe")
message(STATUS "Portable: ${BUILD_DIR}/${name}-portable.zip")
