cmake_policy(VERSION 3.25)
# Writes FOLDER/SHA256SUMS for the three downloads named NAME.zip,
# NAME-setup.exe and NAME.msi, in the form `sha256sum -c` reads.
set(sums "")
foreach(download ${NAME}.zip ${NAME}-setup.exe ${NAME}.msi)
  file(SHA256 "${FOLDER}/${download}" hash)
  string(APPEND sums "${hash}  ${download}\n")
endforeach()
file(WRITE "${FOLDER}/SHA256SUMS" "${sums}")
