# Sourced by test.sh and fuzz.sh: reads FUZZ_SECONDS (20 when unset) into
# $seconds, or ends the script with exit 2 and one line when it is not a
# whole number of seconds from $1 to 86400. Read in decimal ("010" is ten
# seconds, not eight), and never through the shell's arithmetic before its
# length is known, which would wrap a longer number round. A day at most:
# libFuzzer takes 0 seconds, and 2^31 or more, as no limit at all.
fuzz_seconds() {
  local given=${FUZZ_SECONDS:-20} digits
  seconds=bad
  case "$given" in
    '' | *[!0-9]*) ;;
    *)
      digits=${given#"${given%%[!0]*}"}
      if [ ${#digits} -le 5 ] && [ "${digits:-0}" -ge "$1" ] && [ "${digits:-0}" -le 86400 ]; then
        seconds=${digits:-0}
      fi
      ;;
  esac
  if [ "$seconds" = bad ]; then
    echo "FUZZ_SECONDS must be a whole number of seconds from $1 to 86400, not \"$given\"" >&2
    exit 2
  fi
}
