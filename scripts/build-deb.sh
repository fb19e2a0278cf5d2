#!/bin/sh
# Builds the Debian source and binary packages from this work tree, for `make deb`:
#   scripts/build-deb.sh [DEB_DIR]        (default build-deb)
# 1. DEB_DIR/ostrelo_<upstream>.orig.tar.gz from the tracked files (git ls-files) but debian/,
#    uncommitted changes included; owner, times, modes and order fixed, so the same files give
#    the same bytes.
# 2. DEB_DIR/ostrelo-<upstream>/: that tarball unpacked, debian/ added, and in debian/ the
#    maintainer and the project's addresses filled in from the environment (below).
# 3. dpkg-buildpackage there, which writes the source package (.dsc, .orig.tar.gz,
#    .debian.tar.xz), the binary package ostrelo_<version>_<arch>.deb and its -dbgsym package, the
#    .buildinfo and the .changes into DEB_DIR, its output into the build log
#    DEB_DIR/ostrelo_<version>_<arch>.build; then the sha256 of the .deb.
# The tracked files are not changed, and nothing is written outside DEB_DIR.
#
# The maintainer is taken as Debian's own tools (dch, debmake) take it: the name from
# DEBFULLNAME, the address from DEBEMAIL, which may also be "Name <address>". Unset, they are
# "Ostrelo developers" and maintainer@ostrelo.invalid: .invalid is reserved never to be a real
# domain, so the default names nobody's address while no one has put their own.
# OSTRELO_HOMEPAGE_URL, OSTRELO_BUGTRACKER_URL and OSTRELO_SCREENSHOT_URL give the project's
# addresses (see data/CMakeLists.txt); the homepage is also the control file's Homepage. Each is
# left out where it is empty, as it is by default.
set -eu
cd "$(dirname "$0")/.."
# The files of the source tree and of the package get their modes from here, not from the
# umask of whoever builds; dpkg-buildpackage --sanitize-env sets the same for the build.
umask 022

deb_dir=${1:-build-deb}
default_name="Ostrelo developers"
default_email="maintainer@ostrelo.invalid"

fail() {
    echo "build-deb: $*" >&2
    exit 1
}

git rev-parse --is-inside-work-tree >/dev/null 2>&1 \
    || fail "the orig tarball is made from git's list of tracked files: run this in a git clone"
[ -z "$(git ls-files --deleted)" ] \
    || fail "tracked files are missing from the work tree: restore them or commit their removal"

# ---------------------------------------------------------------------------------------------
# What goes into debian/: checked first, so that nothing is built with a broken field.
name=${DEBFULLNAME:-}
email=${DEBEMAIL:-}
case $email in
*'<'*'>'*)
    [ -n "$name" ] || name=$(printf '%s' "$email" | sed 's/ *<.*//')
    email=$(printf '%s' "$email" | sed 's/.*<\(.*\)>.*/\1/')
    ;;
esac
name=${name:-$default_name}
email=${email:-$default_email}
newline='
'
case $name in
*[\<\>,\"]* | *"$newline"* | "" | " "* | *" ") fail "DEBFULLNAME \"$name\": a name on one line, without <, >, comma or quote" ;;
esac
printf '%s' "$email" | grep -q '^[^][ <>,@"]\{1,\}@[A-Za-z0-9-]\{1,\}\(\.[A-Za-z0-9-]\{1,\}\)\{1,\}$' \
    || fail "DEBEMAIL \"$email\": an address user@host.domain"

# An address goes into a makefile, a control file and an XML file: one line, no space, no quote,
# no $, #, backslash or <>.
for setting in OSTRELO_HOMEPAGE_URL OSTRELO_BUGTRACKER_URL OSTRELO_SCREENSHOT_URL; do
    eval "url=\${$setting:-}"
    case $url in
    "") ;;
    *[[:space:]\'\"\\\$\`#\<\>]*) fail "$setting \"$url\": no space, quote, \$, #, \\ or <> in an address" ;;
    http://?* | https://?*) ;;
    *) fail "$setting \"$url\": an http:// or https:// address" ;;
    esac
done

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
upstream=${version#*:}
upstream=${upstream%-*}
# Every time in the packages is the changelog's; dpkg-buildpackage sets the same.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l debian/changelog -S Timestamp)
export SOURCE_DATE_EPOCH
arch=$(dpkg --print-architecture)
tree=$deb_dir/ostrelo-$upstream
orig=$deb_dir/ostrelo_$upstream.orig.tar.gz
deb=$deb_dir/ostrelo_${version#*:}_$arch.deb

mkdir -p "$deb_dir"
rm -rf "$tree" "$deb_dir"/ostrelo_* "$deb_dir"/ostrelo-dbgsym_*

# tracked_tar PATH...: a tar of the tracked files under the paths given and of the directories
# that hold them, under ostrelo-<upstream>/, in byte order, owned by root, dated
# SOURCE_DATE_EPOCH, 0755 for directories and programs and 0644 for the rest. GNU format: pax
# headers would carry the process id.
tracked_tar() {
    git ls-files -z -- "$@" | tr '\0' '\n' \
        | awk '{ print; while (sub("/[^/]*$", "")) print }' | LC_ALL=C sort -u \
        | tar -c --format=gnu --no-recursion --verbatim-files-from -T - \
            --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" \
            --mode=u=rwX,go=rX --transform="s,^,ostrelo-$upstream/,rSh"
}

tracked_tar . ':!debian' | gzip -9n >"$orig"
tar -xzf "$orig" -C "$deb_dir"
tracked_tar debian | tar -x -C "$deb_dir"

# The maintainer in the control file and in the changelog's trailers that carry the default,
# so that the upload does not read as someone else's (lintian's changelog-should-mention-nmu).
# The values come through the environment: perl takes them as text, whatever they hold.
export BUILD_DEB_NAME="$name" BUILD_DEB_EMAIL="$email" BUILD_DEB_DEFAULT="$default_name <$default_email>"
perl -pi -e 's/^Maintainer: .*/Maintainer: $ENV{BUILD_DEB_NAME} <$ENV{BUILD_DEB_EMAIL}>/' \
    "$tree/debian/control"
perl -pi -e 's/^ -- \Q$ENV{BUILD_DEB_DEFAULT}\E  / -- $ENV{BUILD_DEB_NAME} <$ENV{BUILD_DEB_EMAIL}>  /' \
    "$tree/debian/changelog"
if [ -n "${OSTRELO_HOMEPAGE_URL:-}" ]; then
    export OSTRELO_HOMEPAGE_URL
    perl -pi -e 's/^(Standards-Version: .*\n)/${1}Homepage: $ENV{OSTRELO_HOMEPAGE_URL}\n/' \
        "$tree/debian/control"
fi
export OSTRELO_HOMEPAGE_URL="${OSTRELO_HOMEPAGE_URL:-}" \
    OSTRELO_BUGTRACKER_URL="${OSTRELO_BUGTRACKER_URL:-}" \
    OSTRELO_SCREENSHOT_URL="${OSTRELO_SCREENSHOT_URL:-}"
perl -pi -e 's/^(HOMEPAGE|BUGTRACKER|SCREENSHOT)_URL =.*/join " ", "${1}_URL =", $ENV{"OSTRELO_${1}_URL"} || ()/e' \
    "$tree/debian/rules"

# ---------------------------------------------------------------------------------------------
# Unsigned: signing is for whoever uploads. -J: as many jobs as cores, where debhelper runs them.
# Its whole output also goes to the build log beside the packages, where blhc reads the compiler's
# and linker's command lines (debhelper has CMake print them).
log=$deb_dir/ostrelo_${version#*:}_$arch.build
{ (cd "$tree" && dpkg-buildpackage --sanitize-env -us -uc -Jauto) 2>&1; echo $? >"$log.status"; } \
    | tee "$log"
status=$(cat "$log.status") && rm -f "$log.status"
[ "$status" -eq 0 ] || fail "dpkg-buildpackage failed (exit $status): its output is in $log"

[ -f "$deb" ] || fail "dpkg-buildpackage made no $deb"
echo
echo "The packages, in $deb_dir:"
(cd "$deb_dir" && ls -1 ostrelo_* ostrelo-dbgsym_* 2>/dev/null | sed 's/^/    /')
sha256sum "$deb"
