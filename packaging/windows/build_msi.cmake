cmake_policy(VERSION 3.25)
# Builds the MSI from the staged folder:
#   cmake -DSTAGE=DIR -DVERSION=1.00 -DICON=velmora.ico -DOUT=file.msi
#         -P build_msi.cmake
# Every identifier is derived, never drawn: the same inputs give the same
# MSI, byte for byte, and a component keeps its GUID from version to
# version. The product and package codes come from every input (see below),
# so two builds that differ in any of them, of one version or of two, never
# share them, and Windows Installer never takes one for the other.
set(upgrade_code 7B355DAF-2C0A-4CD6-9598-4BF31C3F0321)

function(derived_guid out name)
  string(UUID guid NAMESPACE ${upgrade_code} NAME "${name}" TYPE SHA1 UPPER)
  set(${out} ${guid} PARENT_SCOPE)
endfunction()

# Identifiers of MSI tables: letters, digits, dots and underscores, at most
# 72 characters; a hash of the path keeps them short and unique.
function(derived_id out prefix path)
  string(SHA1 hash "${path}")
  string(SUBSTRING ${hash} 0 24 hash)
  set(${out} ${prefix}_${hash} PARENT_SCOPE)
endfunction()

# wixl 0.101 (and the libmsi under it) crashes on any name beyond ASCII, so
# the MSI names a file without its Turkish letters: "Kullanım Kılavuzu.html"
# installs as "Kullanim Kilavuzu.html".
function(ascii_name out name)
  foreach(pair ı:i İ:I ş:s Ş:S ğ:g Ğ:G ü:u Ü:U ö:o Ö:O ç:c Ç:C)
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 letter)
    list(GET pair 1 ascii)
    string(REPLACE "${letter}" "${ascii}" name "${name}")
  endforeach()
  if(NOT name MATCHES "^[ -~]+$")
    message(FATAL_ERROR "wixl cannot carry the file name '${name}'")
  endif()
  set(${out} "${name}" PARENT_SCOPE)
endfunction()

# The XML of one folder of the staged tree, its files and subfolders, and
# the component references that go with them.
function(folder_xml out_xml out_refs relative indent)
  set(xml "")
  set(refs "")
  set(here "${STAGE}")
  if(relative)
    set(here "${STAGE}/${relative}")
  endif()
  file(GLOB entries LIST_DIRECTORIES true RELATIVE "${here}" "${here}/*")
  list(SORT entries)
  foreach(entry ${entries})
    set(path "${entry}")
    if(relative)
      set(path "${relative}/${entry}")
    endif()
    if(IS_DIRECTORY "${STAGE}/${path}")
      derived_id(id Folder "${path}")
      folder_xml(inner inner_refs "${path}" "${indent}  ")
      string(APPEND xml "${indent}<Directory Id=\"${id}\" Name=\"${entry}\">\n${inner}${indent}</Directory>\n")
      string(APPEND refs "${inner_refs}")
    else()
      derived_id(component Component "${path}")
      derived_id(file_id File "${path}")
      derived_guid(guid "file:${path}")
      ascii_name(name "${entry}")
      string(APPEND xml "${indent}<Component Id=\"${component}\" Guid=\"${guid}\" Win64=\"yes\">\n"
                        "${indent}  <File Id=\"${file_id}\" Name=\"${name}\" Source=\"${source_prefix}${path}\" KeyPath=\"yes\"/>\n"
                        "${indent}</Component>\n")
      string(APPEND refs "      <ComponentRef Id=\"${component}\"/>\n")
    endif()
  endforeach()
  set(${out_xml} "${xml}" PARENT_SCOPE)
  set(${out_refs} "${refs}" PARENT_SCOPE)
endfunction()

foreach(required STAGE VERSION ICON OUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "build_msi.cmake needs -D${required}=")
  endif()
endforeach()

# wixl reads sources only by paths relative to the .wxs. They say where the
# build is, not what the package holds, and stay placeholders until the
# codes are derived.
get_filename_component(wxs_folder "${OUT}" DIRECTORY)
file(RELATIVE_PATH stage_path "${wxs_folder}" "${STAGE}")
file(RELATIVE_PATH icon_path "${wxs_folder}" "${ICON}")
file(SHA256 "${ICON}" icon_hash)
set(source_prefix "@STAGE_PATH@/")
set(ICON "@ICON_PATH@")
set(UPGRADE_CODE ${upgrade_code})
derived_guid(SHORTCUT_GUID "start-menu-shortcut")
folder_xml(DIRECTORIES COMPONENT_REFS "" "          ")
string(REGEX REPLACE "\n$" "" DIRECTORIES "${DIRECTORIES}")
string(REGEX REPLACE "\n$" "" COMPONENT_REFS "${COMPONENT_REFS}")
find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)
find_program(MSIINFO msiinfo REQUIRED)
include("${CMAKE_CURRENT_LIST_DIR}/source_date.cmake")

# What wixl leaves for msibuild to say, in order; each query is part of the
# package's behaviour, and so of its codes.
#
# A re-spin of the same version (a mended DLL, a rebuilt program) replaces
# the build installed: the upgrade row takes its own version in. wixl's
# MajorUpgrade knows no AllowSameVersionUpgrades, so the row is rewritten:
# 1 migrates features, 512 includes the maximum version.
set(edits
  "DELETE FROM `Upgrade` WHERE `Attributes` = 1"
  "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('{${upgrade_code}}', '${VERSION}', 513, 'WIX_UPGRADE_DETECTED')")
# The remembered folder, taken right after AppSearch (50) in both sequences:
# under full and reduced UI the client runs its own AppSearch and costing
# before the server's, and hands INSTALLDIR on. Written here: given any
# InstallExecuteSequence of its own, wixl moves RemoveExistingProducts after
# InstallFinalize, where Windows Installer removes the old product once the
# new one is in place, and an upgrade under Wine then leaves the old product
# registered instead of the new.
foreach(sequence InstallUISequence InstallExecuteSequence)
  list(APPEND edits
    "INSERT INTO `${sequence}` (`Action`, `Condition`, `Sequence`) VALUES ('UseRememberedInstallDir', 'NOT INSTALLDIR AND REMEMBERED_INSTALLDIR', 51)")
endforeach()

# The product and package codes come from everything that decides the MSI's
# bytes and what Windows Installer does with them: the generated .wxs, every
# staged file, the icon, this script and what it includes (the edits above,
# the time stamp), and the tools that build it; not where the build is.
# The same inputs give the same MSI and codes; any other input gives other
# codes, so that Windows Installer never takes a changed package for the
# one installed.
set(PRODUCT_CODE "@PRODUCT_CODE@")
configure_file("${CMAKE_CURRENT_LIST_DIR}/velmora.wxs.in" "${OUT}.wxs.in" @ONLY)
file(READ "${OUT}.wxs.in" content)
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT staged)
foreach(path ${staged})
  file(SHA256 "${STAGE}/${path}" hash)
  string(APPEND content "\n${path} ${hash}")
endforeach()
string(APPEND content "\nicon ${icon_hash}")
foreach(script build_msi.cmake source_date.cmake)
  file(SHA256 "${CMAKE_CURRENT_LIST_DIR}/${script}" hash)
  string(APPEND content "\n${script} ${hash}")
endforeach()
execute_process(COMMAND "${WIXL}" --version OUTPUT_VARIABLE wixl_version
  COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${wixl_version}" wixl_version)
string(APPEND content "\nwixl ${wixl_version}\ncmake ${CMAKE_VERSION}\ntime ${source_date_text}")
foreach(tool WIXL MSIBUILD)
  file(SHA256 "${${tool}}" hash)
  string(APPEND content "\n${tool} ${hash}")
  # The libraries that lay the package's tables, cabinet and storage out
  # are updated apart from the programs, and a new one may write other
  # bytes from the same inputs. A tool that is a script links nothing.
  execute_process(COMMAND ldd "${${tool}}" OUTPUT_VARIABLE linked ERROR_QUIET)
  string(REGEX MATCHALL "(libmsi|libgcab|libgsf)[^ \t]* => [^ \t]+" libraries "${linked}")
  foreach(library ${libraries})
    string(REGEX REPLACE ".* => " "" library_path "${library}")
    get_filename_component(library_name "${library_path}" NAME)
    file(SHA256 "${library_path}" hash)
    string(APPEND content "\n${tool} ${library_name} ${hash}")
  endforeach()
endforeach()
string(SHA256 content_hash "${content}")
derived_guid(PRODUCT_CODE "product:${VERSION}:${content_hash}")
derived_guid(PACKAGE_CODE "package:${VERSION}:${content_hash}")
set(STAGE_PATH "${stage_path}")
set(ICON_PATH "${icon_path}")
configure_file("${OUT}.wxs.in" "${OUT}.wxs" @ONLY)
file(REMOVE "${OUT}.wxs.in")
# wixl stamps the MSI with the clock and each file in it with its time, and
# draws its package code: the clock is held at the last commit's time, the
# files are given that time, and the code is replaced by the derived one.
execute_process(COMMAND find "${STAGE}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +)
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC faketime -f "${source_date_text}"
          "${WIXL}" --arch x64 -o "${OUT}" "${OUT}.wxs"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "wixl could not build ${OUT} from ${OUT}.wxs")
endif()
file(REMOVE "${OUT}.wxs")
execute_process(
  COMMAND "${MSIBUILD}" "${OUT}" -s "Velmora ${VERSION}" "The Velmora developers" "x64;1033"
          "{${PACKAGE_CODE}}"
  COMMAND_ERROR_IS_FATAL ANY)
foreach(edit IN LISTS edits)
  execute_process(COMMAND "${MSIBUILD}" "${OUT}" -q "${edit}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Where the user is no administrator and the install is elevated, the
# client hands the server only the secure public properties: INSTALLDIR
# joins those wixl makes secure, so that a folder given under full or
# reduced UI arrives.
execute_process(COMMAND "${MSIINFO}" export "${OUT}" Property OUTPUT_VARIABLE properties
  COMMAND_ERROR_IS_FATAL ANY)
if(NOT properties MATCHES "\nSecureCustomProperties\t([^\r\n]*)")
  message(FATAL_ERROR "wixl wrote no SecureCustomProperties into ${OUT}")
endif()
execute_process(
  COMMAND "${MSIBUILD}" "${OUT}" -q
          "UPDATE `Property` SET `Value` = '${CMAKE_MATCH_1};INSTALLDIR' WHERE `Property` = 'SecureCustomProperties'"
  COMMAND_ERROR_IS_FATAL ANY)
