#!/usr/bin/env bash
# check-packages.sh DIR VERSION [--no-windows]: checks the release files in DIR
# as a distributor and a camera owner would meet them.
#   Debian package: lintian reports no error (its warnings are printed); the
#     desktop entry and the AppStream metainfo pass their validators; the files
#     are in place, the example mms.json generates and rosmossel-cli tells the
#     version.
#   Windows zip: holds the programs, the owners' README.txt, the example
#     profiles, the carrier database and the guide with its pictures; the version resource of
#     rosmossel.exe tells the version.
#   Windows installer: runs silently under Wine (/S) in a fresh prefix, puts the
#     programs, the example profiles, the carrier database (which the installed
#     rosmossel-cli finds), the guide, the Start-menu entries of the
#     tool and the guide and the Apps & Features entry with the version in
#     place; its uninstaller (/S) removes them and the tool's preference keys.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(realpath "$1")
version=$2
windows=1
[ "${3:-}" = --no-windows ] && windows=0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "check-packages.sh: $*" >&2
    exit 1
}

deb=$dir/rosmossel_${version}_amd64.deb
[ -f "$deb" ] || fail "$deb is missing"
echo "== lintian $(basename "$deb")"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian found errors"
dpkg-deb -x "$deb" "$work/deb"
desktop_entry=usr/share/applications/rosmossel.desktop
metainfo=usr/share/metainfo/example.rosmossel.RosMossel.metainfo.xml
for f in usr/bin/rosmossel usr/bin/rosmossel-cli "$desktop_entry" "$metainfo" \
    usr/share/icons/hicolor/256x256/apps/rosmossel.png usr/share/man/man1/rosmossel-cli.1.gz usr/share/man/man1/rosmossel.1.gz \
    usr/share/doc/rosmossel/copyright usr/share/doc/rosmossel/changelog.gz \
    usr/share/doc/rosmossel/examples/{camera-menu,mms,smtp}.json \
    usr/share/doc/rosmossel/guide/guide.html usr/share/doc/rosmossel/guide/quill-camera-menu.png; do
    [ -f "$work/deb/$f" ] || fail "$f is not in the Debian package"
done
desktop-file-validate "$work/deb/$desktop_entry"
appstreamcli validate --no-net --pedantic "$work/deb/$metainfo"
[ "$("$work/deb/usr/bin/rosmossel-cli" --version)" = "rosmossel-cli $version" ] ||
    fail "rosmossel-cli in the Debian package does not say version $version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the Debian package does not depend on Qt"
dpkg-deb -f "$deb" Depends | grep -q mobile-broadband-provider-info ||
    fail "the Debian package does not depend on the carrier database"
"$work/deb/usr/bin/rosmossel-cli" generate "$work/deb/usr/share/doc/rosmossel/examples/mms.json" \
    --out "$work" >/dev/null || fail "the installed example mms.json does not generate"

((windows)) || exit 0

name=rosmossel-$version-windows-x64
zip=$dir/$name.zip
setup=$dir/$name-setup.exe
[ -f "$zip" ] || fail "$zip is missing"
[ -f "$setup" ] || fail "$setup is missing"
echo "== $(basename "$zip")"
listing=$(unzip -Z1 "$zip")
for f in rosmossel.exe rosmossel-cli.exe README.txt LICENSE.txt THIRD-PARTY.txt serviceproviders.xml \
    examples/camera-menu.json examples/mms.json examples/smtp.json \
    guide/guide.html guide/camera-menu.html guide/main-window.png guide/quill-camera-menu.png; do
    grep -qx "$name/$f" <<<"$listing" || fail "$f is not in $zip"
done
# The owners' README, short and plain, not the developers' front page.
readme_lines=$(unzip -p "$zip" "$name/README.txt" | wc -l)
((readme_lines <= 60)) || fail "README.txt has $readme_lines lines, not an owners' page"
unzip -p "$zip" "$name/README.txt" | grep -q 'guide\\guide.html' ||
    fail "README.txt does not say where the guide is"
resource_version=$(unzip -p "$zip" "$name/rosmossel.exe" | strings -el | grep -A1 -x ProductVersion | tail -n 1)
[ "$resource_version" = "$version" ] ||
    fail "the version resource of rosmossel.exe says '$resource_version', not $version"

echo "== $(basename "$setup") under Wine"
prefix=$work/wine-prefix
wine() { "$root/scripts/wine-run.sh" "$prefix" "$@"; }
wine_wait() { WINEPREFIX=$prefix /usr/lib/wine/wineserver -w; }
install_dir="$prefix/drive_c/Program Files/Ros Mossel"
start_menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ros Mossel.lnk"
guide_entry="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ros Mossel guide.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\RosMossel'
preferences_key='Software\Microsoft\Windows\CurrentVersion\App Paths\Ros Mossel.exe'

wine "$setup" /S
wine_wait
for f in rosmossel.exe rosmossel-cli.exe uninstall.exe README.txt LICENSE.txt THIRD-PARTY.txt \
    serviceproviders.xml examples/camera-menu.json examples/mms.json examples/smtp.json \
    guide/guide.html guide/main-window.png; do
    [ -f "$install_dir/$f" ] || fail "the installer did not install $f"
done
[ -f "$start_menu" ] || fail "the installer made no Start-menu entry"
[ -f "$guide_entry" ] || fail "the installer made no Start-menu entry of the guide"
wine reg query "$uninstall_key" /v DisplayVersion | grep -q "$version" ||
    fail "Apps & Features does not show version $version"
[ "$(wine "C:\\Program Files\\Ros Mossel\\rosmossel-cli.exe" --version | tr -d '\r')" = \
    "rosmossel-cli $version" ] || fail "the installed rosmossel-cli does not say version $version"
# The database beside the program answers (Windows keeps none of its own).
wine "C:\\Program Files\\Ros Mossel\\rosmossel-cli.exe" operators giffgaff --json |
    grep -q '"url": "http://mmsc.mms.o2.co.uk:8002"' ||
    fail "the installed rosmossel-cli does not find giffgaff in the database beside it"

# The installed tool starts and stores its preferences (in HKLM, as Wine runs it
# as an administrator); the HKCU fallback a standard user gets is added by hand.
# On the windows platform (the program links no other), Wine's null display.
QT_QPA_PLATFORM=windows wine "C:\\Program Files\\Ros Mossel\\rosmossel.exe" &
for _ in $(seq 60); do
    wine reg query "HKLM\\$preferences_key" >/dev/null 2>&1 && break
    sleep 0.5
done
WINEPREFIX=$prefix /usr/lib/wine/wineserver -k
wait || true
wine reg query "HKLM\\$preferences_key" >/dev/null 2>&1 ||
    fail "the installed tool did not start and store its preferences"
wine reg add "HKCU\\$preferences_key" /v language /t REG_DWORD /d 2 /f >/dev/null
wine "C:\\Program Files\\Ros Mossel\\uninstall.exe" /S
wine_wait
[ ! -e "$install_dir" ] || fail "the uninstaller left $(ls "$install_dir")"
[ ! -e "$start_menu" ] || fail "the uninstaller left the Start-menu entry"
[ ! -e "$guide_entry" ] || fail "the uninstaller left the guide's Start-menu entry"
for key in "$uninstall_key" "HKLM\\$preferences_key" "HKCU\\$preferences_key"; do
    if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left $key"; fi
done
echo "All release files check out."
