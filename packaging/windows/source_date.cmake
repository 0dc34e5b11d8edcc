# The time the MSI is stamped with: the last commit's, as Debian's
# reproducible builds name it (SOURCE_DATE_EPOCH), in the form faketime
# reads; without it, the earliest time a zip can hold, like the zip's.
set(source_date "$ENV{SOURCE_DATE_EPOCH}")
if(NOT source_date MATCHES "^[0-9]+$")
  set(ENV{SOURCE_DATE_EPOCH} 315532800)
endif()
string(TIMESTAMP source_date_text "%Y-%m-%d %H:%M:%S" UTC)
