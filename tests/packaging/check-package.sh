#!/usr/bin/env bash
# Builds the Debian package from the build folder, as the README says (cpack -G DEB), and checks
# it as a distribution would: lintian without errors, the desktop entry and the AppStream
# metadata valid, every file where it belongs, the maintainer scripts that apply the udev rule,
# and the tool unpacked into a scratch folder answering --version.
set -euo pipefail
build_dir=$1
version=$2
hardened=${3:-ON}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
check() { # description, command...
    local what=$1; shift
    if "$@" > "$scratch/out" 2>&1; then
        passed=$((passed + 1))
    else
        echo "FAILED: $what"; cat "$scratch/out"; exit 1
    fi
}

(cd "$build_dir" && cpack -G DEB -B "$scratch/out-deb" > "$scratch/cpack.log") \
    || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out-deb/karvelo-rf-tool_"$version"_*.deb)

check "lintian reports no error" lintian --allow-root --fail-on error "$deb"
lintian --allow-root -I "$deb" > "$scratch/lintian-info" 2>&1 || true
if [ "$hardened" = ON ]; then
    check "the binaries carry the hardening flags (full RELRO, fortified functions)" \
        bash -c '! grep -E "hardening-no-(bindnow|fortify-functions|relro|pie)" "$1"' _ \
        "$scratch/lintian-info"
fi
dpkg-deb -x "$deb" "$scratch/root"
dpkg-deb -e "$deb" "$scratch/control"
root=$scratch/root
for file in usr/bin/karvelo-rf-tool usr/bin/karvelo-rf \
            usr/lib/udev/rules.d/70-karvelo-rf-receiver.rules \
            usr/share/applications/karvelo-rf-tool.desktop \
            usr/share/icons/hicolor/48x48/apps/karvelo-rf-tool.png \
            usr/share/icons/hicolor/128x128/apps/karvelo-rf-tool.png \
            usr/share/icons/hicolor/scalable/apps/karvelo-rf-tool.svg \
            usr/share/metainfo/com.karvelo.rf_tool.metainfo.xml \
            usr/share/man/man1/karvelo-rf-tool.1.gz usr/share/man/man1/karvelo-rf.1.gz \
            usr/share/doc/karvelo-rf-tool/copyright usr/share/doc/karvelo-rf-tool/README.md.gz \
            usr/share/bash-completion/completions/karvelo-rf \
            usr/share/zsh/vendor-completions/_karvelo-rf \
            usr/share/fish/vendor_completions.d/karvelo-rf.fish; do
    check "the package holds /$file" test -s "$root/$file"
done
check "the desktop entry is valid" \
    desktop-file-validate "$root/usr/share/applications/karvelo-rf-tool.desktop"
check "the copyright file names the licence in SPDX" \
    grep -qx "License: GPL-2.0-or-later" "$root/usr/share/doc/karvelo-rf-tool/copyright"
check "the AppStream metadata names the licence in SPDX" grep -q \
    "<project_license>GPL-2.0-or-later</project_license>" \
    "$root/usr/share/metainfo/com.karvelo.rf_tool.metainfo.xml"
check "the AppStream metadata is valid" appstreamcli validate --no-net \
    "$root/usr/share/metainfo/com.karvelo.rf_tool.metainfo.xml"
check "the AppStream metadata names a screenshot" \
    grep -q "<screenshot type=\"default\">" "$root/usr/share/metainfo/com.karvelo.rf_tool.metainfo.xml"
for program in karvelo-rf-tool karvelo-rf; do
    check "the AppStream metadata provides $program" \
        grep -q "<binary>$program</binary>" "$root/usr/share/metainfo/com.karvelo.rf_tool.metainfo.xml"
done
check "dependencies come from the shared libraries" \
    grep -Eq "^Depends:.*qt6-qpa-plugins.*libqt6widgets6.*libudev1" "$scratch/control/control"
check "the Wayland platform plugin is recommended" \
    grep -Eq "^Recommends:.*qt6-wayland" "$scratch/control/control"
for script in postinst postrm; do
    check "$script reloads the rules and triggers hidraw" grep -q \
        "udevadm trigger --subsystem-match=hidraw" "$scratch/control/$script"
done
check "the unpacked tool runs" "$root/usr/bin/karvelo-rf-tool" --version
cp "$scratch/out" "$scratch/version"
check "the unpacked tool is this version" grep -qx "karvelo-rf-tool $version" "$scratch/version"
check "the unpacked command line runs" "$root/usr/bin/karvelo-rf" --version
check "the unpacked tool prints its rule" \
    cmp <("$root/usr/bin/karvelo-rf-tool" --print-udev-rules) \
        "$root/usr/lib/udev/rules.d/70-karvelo-rf-receiver.rules"
echo "package: $passed passed, 0 failed"
