#!/usr/bin/env bash
# scripts/install-deps against a stub apt-get on PATH whose update fails as a mirror in the
# middle of a sync makes it fail (one index, of an architecture nothing here needs): it goes on
# with the lists apt has, says so in one line, and installs what is missing; an install that
# then fails names the packages it could not install.
#
#   install_deps_test.sh <install-deps>
set -uo pipefail
script=${1:?usage: install_deps_test.sh <install-deps>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat >"$work/bin/apt-get" <<'EOF'
#!/bin/sh
case $1 in
    update)
        echo "Get:1 http://deb.debian.org/debian bookworm InRelease [151 kB]"
        echo "E: Failed to fetch http://security.debian.org/debian-security/dists/bookworm-security/main/binary-armhf/Packages.xz  File has unexpected size (270388 != 270540). Mirror sync in progress? [IP: 151.101.2.132 80]" >&2
        echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
        exit 100
        ;;
    install)
        echo "$*" >>"$STUB_INSTALLS"
        [ -z "$STUB_FAILS" ] && exit 0
        echo "E: Unable to locate package $STUB_FAILS" >&2
        exit 100
        ;;
esac
exit 1
EOF
# Every package but the test's own counts as installed, whatever this machine has (a builder's
# chroot has no clang), so that only that one is asked for.
cat >"$work/bin/dpkg-query" <<'EOF'
#!/bin/sh
for name; do :; done
[ "$name" = "$STUB_MISSING" ] && exit 1
echo "all install ok installed"
EOF
# The test needs no root: sudo runs the command as it is.
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/apt-get" "$work/bin/dpkg-query" "$work/bin/sudo"
export STUB_INSTALLS=$work/installs
missing=pelmox-test-no-such-package  # never installed, so asked for
export STUB_MISSING=$missing

failures=0
fail() {
    echo "install_deps_test: $*" >&2
    failures=$((failures + 1))
}
partial="install-deps: apt-get update was partial (failed to fetch http://security.debian.org/debian-security/dists/bookworm-security/main/binary-armhf/Packages.xz); going on with the package lists apt has"

STUB_FAILS='' PATH=$work/bin:$PATH "$script" "$missing" >"$work/out" 2>"$work/err"
status=$?
((status == 0)) || fail "a failed index of another architecture ended it with status $status: $(cat "$work/err")"
[[ $(cat "$work/err") == "$partial" ]] || fail "not the one line on the partial update: $(cat "$work/err")"
grep -q "^install -y .* $missing" "$work/installs" 2>/dev/null || fail "$missing was not installed"

STUB_FAILS=$missing PATH=$work/bin:$PATH "$script" "$missing" >"$work/out" 2>"$work/err"
status=$?
((status == 1)) || fail "a failed install ended with status $status"
[[ $(tail -n 1 "$work/err") == "install-deps: apt-get could not install $missing" ]] ||
    fail "the failed install does not name the package: $(cat "$work/err")"

((failures == 0)) && echo "install_deps_test: a partial update goes on, a failed install names its packages"
exit $((failures > 0))
