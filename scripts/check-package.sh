#!/usr/bin/env bash
# Builds the Debian package in a Release build, with Debian's hardening flags,
# and checks that it holds what a desktop needs: the programs, the desktop
# entry, the metainfo, the icons and the manual pages, all where the desktop
# looks for them, and valid; then that lintian finds nothing to say.
# Run from anywhere; VELTRANO_PACKAGE_BUILD_DIR picks the build folder
# (relative to the repository's top folder; build-package/ by default).
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

app_id=org.example.veltrano.VeltranoTest
icon_sizes=(16 24 32 48 64 128 256)

# --- What the build and the checks need, installed only when missing -------
source scripts/packages.sh
install_missing_packages "${veltrano_build_packages[@]}" dpkg-dev file desktop-file-utils appstream \
    binutils
    lintian

# --- Build and package ------------------------------------------------------
# The tests are left out: they are never packaged and only cost build time.
build_dir=${VELTRANO_PACKAGE_BUILD_DIR:-build-package}
# Debian's build flags with every hardening feature (bindnow, PIE, fortify,
# stack protector), as a Debian package build would give them.
flag() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
# Installed under /usr, so that the modules go where Debian keeps a package's
# private libraries (/usr/lib/<triplet>/veltrano-test), out of ldconfig's way.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVELTRANO_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$(flag CPPFLAGS) $(flag CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flag LDFLAGS)" -DCMAKE_MODULE_LINKER_FLAGS="$(flag LDFLAGS)" \
    >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")

# An old package of another version must not be the one checked.
rm -f "$build_dir"/veltrano-test_*.deb
(cd "$build_dir" && cpack -G DEB)
debs=("$build_dir"/veltrano-test_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "error: cpack made no single veltrano-test .deb in $build_dir" >&2
    exit 1
fi
deb=${debs[0]}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
root="$work/root"
dpkg -x "$deb" "$root"

echo
echo "Checking $deb"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
echo

# --- The checks: each prints one line and is counted ------------------------
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok   - $what"
        passed=$((passed + 1))
    else
        echo "FAIL - $what"
        failed=$((failed + 1))
    fi
}

# Runs a validator, showing what it said only when it fails.
quietly() {
    local output
    output=$("$@" 2>&1) || { sed 's/^/       /' <<<"$output"; return 1; }
}

in_list() {
    local path
    for path in "$@"; do
        grep -qxF "./$path" "$work/files" || { echo "       missing from the package: $path"; return 1; }
    done
}

only_under_usr() {
    ! grep -v -e '^\./$' -e '^\./usr/' "$work/files"
}

only_the_programs_in_bin() {
    local programs
    programs=$(grep '^\./usr/bin/.' "$work/files" | sort | tr '\n' ' ')
    [ "$programs" = "./usr/bin/veltrano-questions ./usr/bin/veltrano-test " ] \
        || { echo "       usr/bin holds: $programs"; return 1; }
}

hicolor_icons() {
    local paths=() size
    for size in "${icon_sizes[@]}"; do
        paths+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
    done
    paths+=("usr/share/icons/hicolor/scalable/apps/$app_id.svg")
    in_list "${paths[@]}"
}

control_field_is() {
    local field=$1 expected=$2 actual
    actual=$(dpkg-deb -f "$deb" "$field")
    [ "$actual" = "$expected" ] || { echo "       $field is '$actual'"; return 1; }
}

depends_on_qt6() {
    local depends library
    depends=$(dpkg-deb -f "$deb" Depends)
    for library in libqt6core6 libqt6gui6 libqt6widgets6; do
        grep -qw "$library" <<<"$depends" || { echo "       no $library in Depends"; return 1; }
    done
}

depends_on_sqlite_driver() {
    grep -qw libqt6sql6-sqlite <<<"$(dpkg-deb -f "$deb" Depends)" \
        || { echo "       no libqt6sql6-sqlite in Depends"; return 1; }
}

modules_installed() {
    local module found
    for module in veltrano-statistics veltrano-printing; do
        found=$(grep -E "^\./usr/lib/(.*/)?veltrano-test/$module\.so$" "$work/files" || true)
        [ -n "$found" ] || { echo "       missing from the package: $module.so"; return 1; }
    done
}

# Qt Charts and Qt Print Support come with their modules, never at start-up.
program_links_no_charts_or_printing() {
    local needed
    needed=$(objdump -p "$root/usr/bin/veltrano-test" | awk '/NEEDED/ {print $2}')
    ! grep -qE 'Charts|PrintSupport' <<<"$needed" \
        || { echo "       veltrano-test needs: $(tr '\n' ' ' <<<"$needed")"; return 1; }
}

desktop_key() {
    sed -n "s/^$1=//p" "$root/usr/share/applications/$app_id.desktop" | head -n 1
}

desktop_exec_installed() {
    local program
    program=$(desktop_key Exec | awk '{print $1}')
    [ -n "$program" ] && [ -x "$root/usr/bin/$program" ] \
        || { echo "       Exec names '$program', not in usr/bin"; return 1; }
}

desktop_icon_installed() {
    local icon size
    icon=$(desktop_key Icon)
    for size in "${icon_sizes[@]}"; do
        [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] \
            || { echo "       Icon '$icon' has no ${size}x${size} picture"; return 1; }
    done
    [ -s "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] \
        || { echo "       Icon '$icon' has no scalable picture"; return 1; }
}

icon_sizes_match() {
    local size
    for size in "${icon_sizes[@]}"; do
        file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" \
            | grep -q "PNG image data, $size x $size," \
            || { echo "       the ${size}x${size} icon is not a $size x $size PNG"; return 1; }
    done
}

metainfo_names_desktop_entry() {
    grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
        "$root/usr/share/metainfo/$app_id.metainfo.xml"
}

# The newest release is listed first; a version bump must add its release.
metainfo_release_is_current() {
    local newest
    newest=$(grep -o '<release [^>]*version="[^"]*"' "$root/usr/share/metainfo/$app_id.metainfo.xml" \
        | head -n 1 | sed 's/.*version="\([^"]*\)"/\1/')
    [ "$newest" = "$version" ] \
        || { echo "       newest release is '$newest', the project is $version"; return 1; }
}

# With no display at all: --version must not try to open a window.
version_runs() {
    local program=$1 output
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/$program" --version) \
        || { echo "       $program --version failed"; return 1; }
    grep -qF "$version" <<<"$output" \
        || { echo "       printed '$output', not version $version"; return 1; }
}

# Errors, warnings and notes alike; the notes cover hardening and stripping.
lintian_is_silent() {
    quietly lintian --display-info --pedantic --fail-on error,warning,info,pedantic "$deb"
}

# What the package holds
check "package holds usr/bin/veltrano-test" in_list usr/bin/veltrano-test
check "package holds usr/bin/veltrano-questions" in_list usr/bin/veltrano-questions
check "usr/bin holds only the two programs (no tests)" only_the_programs_in_bin
check "package holds the desktop entry" in_list "usr/share/applications/$app_id.desktop"
check "package holds the metainfo" in_list "usr/share/metainfo/$app_id.metainfo.xml"
check "package holds the hicolor icons 16 to 256 and scalable" hicolor_icons
check "package holds both manual pages, compressed" \
    in_list usr/share/man/man1/veltrano-questions.1.gz usr/share/man/man1/veltrano-test.1.gz
check "package holds README.md, the copyright file and the changelog" \
    in_list usr/share/doc/veltrano-test/README.md usr/share/doc/veltrano-test/copyright \
    usr/share/doc/veltrano-test/changelog.gz
check "every file lies under /usr" only_under_usr

# The control fields
check "Package is veltrano-test" control_field_is Package veltrano-test
check "Version is the project's $version" control_field_is Version "$version"
check "Section is education" control_field_is Section education
check "Depends names the Qt 6 libraries" depends_on_qt6
check "Depends names the SQLite driver libqt6sql6-sqlite" depends_on_sqlite_driver
check "package holds the statistics and printing modules" modules_installed
check "veltrano-test itself links neither Qt Charts nor Qt Print Support" \
    program_links_no_charts_or_printing

# The extracted files, where the desktop looks for them
check "desktop entry's Exec is an installed program" desktop_exec_installed
check "desktop entry's Icon is in hicolor at every size" desktop_icon_installed
check "each hicolor PNG has the size of its folder" icon_sizes_match
check "desktop-file-validate passes" \
    quietly desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "appstreamcli validate --no-net passes" \
    quietly appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
check "metainfo launches the desktop entry" metainfo_names_desktop_entry
check "metainfo's newest release is $version" metainfo_release_is_current
check "extracted veltrano-questions --version prints $version" version_runs veltrano-questions
check "extracted veltrano-test --version prints $version, with no display" \
    version_runs veltrano-test
check "lintian finds nothing (errors, warnings, notes, pedantic)" lintian_is_silent

echo
echo "package check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
