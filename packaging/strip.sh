#!/bin/sh
# The strip of the package's binaries (CMAKE_STRIP of `make deb`): as Debian's own packaging
# strips programs, also dropping the compilers' version notes in .comment and .note, which only
# take space in an installed binary.
exec strip --remove-section=.comment --remove-section=.note "$@"
