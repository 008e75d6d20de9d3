#!/usr/bin/env bash
# The install layout, the data files' own checkers, and the .deb: built, unpacked and run.
# Exit 77 (skipped) only when a tool it needs is missing.
set -uo pipefail
build=$1 source=$2 version=$3

for tool in cpack dpkg-deb desktop-file-validate update-desktop-database appstreamcli update-mime-database gio man \
    lintian strace strings; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (make deps installs it)"; exit 77; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# --- make install into a DESTDIR --------------------------------------------------------------
dest=$scratch/dest
DESTDIR=$dest cmake --install "$build" --prefix /usr >"$scratch/install.log" || fail "cmake --install"
expected=(usr/bin/velmoria usr/bin/velmoria-cli usr/lib/velmoria/velmoria-parts.so usr/share/velmoria/{Clap.wav,Pow.wav,velmoria.tip,velmoria.qch,velmoria_de.tip,velmoria_de.qch}
    usr/share/velmoria/examples/German-English.vmr usr/share/applications/velmoria.desktop
    usr/share/mime/packages/velmoria.xml usr/share/metainfo/velmoria.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/velmoria.svg usr/share/man/man1/{velmoria,velmoria-cli}.1.gz
    usr/share/doc/velmoria/{copyright,changelog.gz})
for size in 16 32 48 64 128 256; do
    png=usr/share/icons/hicolor/${size}x${size}/apps/velmoria.png
    expected+=("$png")
    # As large as its folder says (width and height at bytes 16..23 of the header).
    [ -f "$dest/$png" ] || continue
    read -r w h < <(od -An -tu1 -j16 -N8 "$dest/$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w $h" = "$size $size" ] || fail "icon ${size}x${size} is ${w}x${h}"
done
for file in "${expected[@]}"; do
    [ -f "$dest/$file" ] || fail "not installed: $file"
done
unexpected=$(cd "$dest" && find . -type f | sed 's|^\./||' | sort | comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$unexpected" ] || fail "installed but not expected: $unexpected"
[ -x "$dest/usr/bin/velmoria" ] && [ -x "$dest/usr/bin/velmoria-cli" ] || fail "programs not executable"
# The test driver (keys and message-box answers from the environment) lives only in the tests' build.
! strings "$dest/usr/bin/velmoria" | grep -q VELMORIA_TEST_ || fail "the installed velmoria carries the test driver"


# --- the data files pass their own checkers ----------------------------------------------------
desktop-file-validate "$dest/usr/share/applications/velmoria.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$dest/usr/share/metainfo/velmoria.metainfo.xml" >"$scratch/appstream.log" 2>&1 \
    || { cat "$scratch/appstream.log"; fail "appstreamcli validate"; }
grep -q "<release version=\"$version\"" "$dest/usr/share/metainfo/velmoria.metainfo.xml" \
    || fail "metainfo does not name release $version"
for page in velmoria velmoria-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$dest/usr/share/man/man1/$page.1.gz" 2>&1 >"$scratch/$page.txt")
    [ -z "$warnings" ] || fail "man $page: $warnings"
    grep -q "EXIT STATUS" "$scratch/$page.txt" || fail "man $page has no exit status"
done
# Every command velmoria-cli's help names has its entry in the manual page.
for command in $("$build/src/velmoria-cli" --help | sed -n 's/^  \([a-z]\+\) .*/\1/p'); do
    grep -Eq "^ {7}$command( |$)" "$scratch/velmoria-cli.txt" || fail "man velmoria-cli lacks the command $command"
done
# The type database built from our XML finds the glob, and its magic is the example's first bytes.
mime=$scratch/mime
mkdir -p "$mime/packages" && cp "$dest/usr/share/mime/packages/velmoria.xml" "$mime/packages/"
update-mime-database "$mime" >"$scratch/mime.log" 2>&1 || fail "update-mime-database"
grep -q '^50:application/x-velmoria:\*\.vmr$' "$mime/globs2" || fail "no *.vmr glob in the type database"
magic=$(LC_ALL=C sed -n '/^\[[0-9]*:application\/x-velmoria\]$/{n;p}' "$mime/magic" | od -An -tx1 | tr -d ' \n')
head=$(head -c 13 "$source/examples/German-English.vmr" | od -An -tx1 | tr -d ' \n')
# A rule line is ">0=", the value's 16-bit length, the value and a newline.
[ "$magic" = "3e303d000d${head}0a" ] || fail "magic rule $magic does not match the example's header $head"
grep -q '^MimeType=application/x-velmoria;$' "$dest/usr/share/applications/velmoria.desktop" \
    || fail "desktop entry is not registered for application/x-velmoria"

# --- the .deb --------------------------------------------------------------------------------
(cd "$scratch" && cpack -G DEB -B "$scratch/pkg" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1) \
    || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/pkg/velmoria_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no .deb built"; exit 1; }
for field in Package=velmoria Version="$version" Section=education \
    "Maintainer=Velmoria developers <dev@velmoria.example.org>"; do
    [ "$(dpkg-deb -f "$deb" "${field%%=*}")" = "${field#*=}" ] || fail "${field%%=*} is not ${field#*=}"
done
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libicu* ]] || fail "Depends not computed from the binaries: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *speech-dispatcher* && $recommends == *espeak-ng* ]] || fail "Recommends: $recommends"
dpkg-deb -e "$deb" "$scratch/control"
for script in postinst postrm; do
    grep -q update-desktop-database "$scratch/control/$script" && grep -q update-mime-database "$scratch/control/$script" \
        || fail "$script does not refresh the desktop and type caches"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin
example=$root/usr/share/velmoria/examples/German-English.vmr
# The program looks for its parts' module beside it, then in ../lib/velmoria.
[ -f "$bin/../lib/velmoria/velmoria-parts.so" ] || fail "the parts' module is not where the program looks for it"
"$bin/velmoria-cli" info "$example" >"$scratch/info.log" 2>&1 || fail "unpacked velmoria-cli info exited with $?"
grep -q '^items: 68$' "$scratch/info.log" || fail "unpacked velmoria-cli info on the example: $(cat "$scratch/info.log")"

# What a file manager sees once the caches are built over the unpacked tree: a list without
# its extension is known by its first bytes, and the desktop entry is its default program.
update-mime-database "$root/usr/share/mime" >"$scratch/mime.log" 2>&1 || fail "update-mime-database on the package"
update-desktop-database "$root/usr/share/applications" || fail "update-desktop-database on the package"
cp "$example" "$scratch/nameless"
gio_env=(env -i PATH="$bin:$PATH" HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/.local/share"
    XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_DIRS="$root/usr/share")
"${gio_env[@]}" gio info -a standard::content-type,standard::icon "$scratch/nameless" >"$scratch/gio.log" 2>&1
grep -q 'standard::content-type: application/x-velmoria$' "$scratch/gio.log" \
    || fail "a list without its extension is not application/x-velmoria: $(cat "$scratch/gio.log")"
grep -q 'standard::icon: velmoria, ' "$scratch/gio.log" || fail "a list is not shown with the program's icon"
grep -q '<comment>Velmoria vocabulary list</comment>' "$root/usr/share/mime/application/x-velmoria.xml" \
    || fail "the type has no name"
# A German desktop lists the program, and names its lists' type, in German (GIO as file managers ask).
described=$("${gio_env[@]}" LANG=C.UTF-8 LANGUAGE=de /usr/bin/python3 -c \
    'from gi.repository import Gio; print(Gio.content_type_get_description("application/x-velmoria"))' 2>&1)
[ "$described" = "Velmoria-Vokabelliste" ] || fail "the type's name under LANGUAGE=de: $described"
grep -q '^GenericName\[de\]=Vokabeltrainer$' "$root/usr/share/applications/velmoria.desktop" \
    || fail "the menu entry is not in German"
grep -q '<summary xml:lang="ru">' "$root/usr/share/metainfo/velmoria.metainfo.xml" \
    || fail "the AppStream summary is not in Russian"
"${gio_env[@]}" gio mime application/x-velmoria >"$scratch/gio.log" 2>&1
grep -q '^Default application .*: velmoria.desktop$' "$scratch/gio.log" \
    || fail "velmoria.desktop does not open application/x-velmoria"
rm -rf "$scratch/home"

# Give a copy of the example some test data, then reset it with the window's /r mode and, for
# comparison, with velmoria-cli.
work=$scratch/work
mkdir -p "$work" "$scratch/home" "$scratch/runtime" && chmod 700 "$scratch/runtime"
cp "$example" "$work/tested.vmr"
printf 'no idea\nwrong again\n:stop\n' | "$bin/velmoria-cli" test "$work/tested.vmr" --seed 7 >/dev/null
cmp -s "$work/tested.vmr" "$example" && fail "the drill left no test data to reset"
cp "$work/tested.vmr" "$work/gui.vmr" && cp "$work/tested.vmr" "$work/cli.vmr"
"$bin/velmoria-cli" reset "$work/cli.vmr" >/dev/null || fail "velmoria-cli reset"
# The file probes are traced to see which data folder the program settled on.
env -i PATH="$PATH" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" \
    XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
    timeout 60 strace -f -qq -e trace=%file -o "$scratch/strace.log" "$bin/velmoria" /r "$work/gui.vmr" \
    >"$scratch/gui.log" 2>&1
status=$?
[ "$status" = 0 ] || { cat "$scratch/gui.log"; fail "velmoria /r exited with $status"; }
cmp -s "$work/gui.vmr" "$work/cli.vmr" || fail "velmoria /r did not reset the file as velmoria-cli reset does"
cmp -s "$work/gui.vmr" "$work/tested.vmr" && fail "velmoria /r left the file unchanged"
grep -Eq "\"$bin/Clap.wav\".*= -1 ENOENT" "$scratch/strace.log" \
    || fail "velmoria did not look for its sounds beside itself first"
grep -Eq "\"$root/usr/share/velmoria/Clap.wav\".*= 0$" "$scratch/strace.log" \
    || fail "velmoria did not find its sounds in the installed data folder"
[ -z "$(find "$scratch/home" -type f)" ] || fail "/r wrote to the settings: $(find "$scratch/home" -type f)"

# Lintian: errors fail, warnings are shown.
lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1
cat "$scratch/lintian.log"
! grep -q '^E: ' "$scratch/lintian.log" || fail "lintian reports errors"

[ "$failures" = 0 ] || { echo "$failures packaging check(s) failed"; exit 1; }
echo "packaging checks passed"
