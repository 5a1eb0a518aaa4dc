#!/usr/bin/env bash
# Builds the Debian package, lists what it holds, checks its dependencies and control files, and runs
# lintian on it, whose whole report is printed.
set -uo pipefail
build_dir=$1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -f "$build_dir"/marquetto_*.deb
cmake --build "$build_dir" --target package >"$build_dir/package.log" 2>&1 || {
    cat "$build_dir/package.log"
    exit 1
}
packages=("$build_dir"/marquetto_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || { echo "FAIL: no single package in $build_dir"; exit 1; }
deb=${packages[0]}
echo "== $deb"
dpkg-deb --info "$deb"
echo "== contents"
contents=$(dpkg-deb --contents "$deb")
echo "$contents"

app_id=example.marquetto.Marquetto
for path in ./usr/bin/marquetto ./usr/bin/marquetto-cli ./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/marquetto/marquetto-preview \
    ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml \
    ./usr/share/mime/packages/$app_id.xml ./usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    ./usr/share/icons/hicolor/48x48/apps/$app_id.png ./usr/share/man/man1/marquetto.1.gz \
    ./usr/share/man/man1/marquetto-cli.1.gz ./usr/share/bash-completion/completions/marquetto-cli \
    ./usr/share/doc/marquetto/copyright ./usr/share/doc/marquetto/changelog.gz \
    ./usr/share/marquetto/translations/marquetto_de.qm ./usr/share/marquetto/translations/marquetto_fr.qm \
    ./usr/share/marquetto/translations/marquetto_es.qm; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
grep -Eq ' \./usr/local/| \./(home|tmp|root)/' <<<"$contents" && fail "the package installs outside /usr"

# Dependencies come from the libraries the programs link, found by dpkg-shlibdeps.
depends=$(dpkg-deb --field "$deb" Depends)
depended_packages=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for library in libc6 libstdc++6 libqt6widgets6 libqt6webenginewidgets6; do
    grep -qxF "$library" <<<"$depended_packages" || fail "Depends lacks $library: $depends"
done

# The desktop's caches are renewed by the triggers of the packages that own them: no maintainer scripts.
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | paste -sd ' ')
[ "$control_files" == "control md5sums" ] || fail "control files other than control and md5sums: $control_files"

echo "== lintian"
lintian --info --display-info --fail-on error "$deb"
lintian_status=$?
[ $lintian_status -eq 0 ] || fail "lintian found errors (status $lintian_status)"

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
echo "the package is sound"
