#!/usr/bin/env bash
# Sources pelmoxctl's bash completion, as bash-completion would, and checks what it offers for a
# few command lines: commands, options, tone names, ports from `pelmoxctl ports`, file names.
#
#   completion_test.sh <completion script>
set -uo pipefail
source "${1:?usage: completion_test.sh <completion script>}" || exit 1

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
touch wx.toml backup.img
mkdir pts && touch pts/4 ttyUSB0  # a pseudo-terminal, and a listed port that is also a file

# Stands in for `pelmoxctl ports` on a machine with two adapters, one held by another program.
# The ports live in the test's folder, so that the machine's own devices do not come into it.
fake_pelmoxctl() {
    [[ $1 == ports ]] || return 2
    cat <<PORTS
$dir/ttyS0
$dir/ttyUSB0 description="FT232R USB UART" manufacturer="FTDI" usb=0403:6001 serial="A50285BI" by-id="$dir/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"
$dir/ttyUSB1 usb=10c4:ea60 in-use-by="direwolf (pid 812)"
PORTS
}

failures=0
# expect "<words of the line, the last being completed>" "<offers, sorted, blank-separated>"
expect() {
    local line=$1 wanted=$2
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _pelmoxctl fake_pelmoxctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$wanted" ]]; then
        echo "completion of '$line': got '$got', wanted '$wanted'" >&2
        failures=$((failures + 1))
    fi
}

[[ $(complete -p pelmoxctl) == 'complete -F _pelmoxctl pelmoxctl' ]] ||
    { echo "pelmoxctl is not completed by _pelmoxctl" >&2; failures=$((failures + 1)); }

expect 'pelmoxctl ' 'backups check diff ports read tone version write'
expect 'pelmoxctl d' 'diff'
expect 'pelmoxctl --' '--help --image --output --port --verbose --version'
expect 'pelmoxctl tone ' '1200 2200 both stop'
expect 'pelmoxctl --port COM3 tone b' 'both'
expect 'pelmoxctl tone stop ' ''
expect 'pelmoxctl tone 1200 --' '--for --help --port --verbose --version'
expect 'pelmoxctl tone 1200 --for ' ''
expect 'pelmoxctl --port ' \
    "$dir/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0 $dir/ttyS0 $dir/ttyUSB0 $dir/ttyUSB1"
expect "pelmoxctl --port $dir/ttyU" "$dir/ttyUSB0 $dir/ttyUSB1"
expect "pelmoxctl --port = $dir/ttyS" "$dir/ttyS0"
expect "pelmoxctl --port $dir/pts/" "$dir/pts/4"
expect 'pelmoxctl -p /dev/ttyUSB0 read --' '--help --image --output --port --show-header --version'
expect 'pelmoxctl read --output ' 'backup.img pts ttyUSB0 wx.toml'
expect 'pelmoxctl write ' 'backup.img pts ttyUSB0 wx.toml'
expect 'pelmoxctl write --' '--force --help --image --no-backup --port --quiet --strict --verbose --version'
expect 'pelmoxctl check w' 'wx.toml'
expect 'pelmoxctl backups ' ''
expect 'pelmoxctl diff w' 'wx.toml'
expect 'pelmoxctl ports ' ''

((failures == 0)) && echo "completion: all offers as expected"
exit $((failures > 0))
