#!/bin/bash
# quillet-report as a shell runs it: pipes, arguments and exit statuses.
set -u
report=$1
large_bytes=${2:-20000000}  # the size of the large input
failures=0
check() {  # check DESCRIPTION EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: expected [$2], got [$3]"
    failures=$((failures + 1))
  fi
}

out=$(echo 中文 | "$report"; echo "status $?")
check "header from a pipe" "      Quillet 写软件找Marrowby" "$(printf '%s\n' "$out" | head -1 | tr -d '\r')"
check "status from a pipe" "status 0" "$(printf '%s\n' "$out" | tail -1)"
check "line count" "28" "$(echo 中文 | "$report" | wc -l)"

"$report" '' >/dev/null 2>&1
check "empty text status" "1" "$?"
check "empty text message" "请输入测试文本！！" "$("$report" '' 2>&1 >/dev/null)"

"$report" --no-such-option >/dev/null 2>&1
check "bad option status" "2" "$?"

# A large text through a pipe: its report is some thirty times its size.
big=$(head -c "$large_bytes" /dev/zero | tr '\0' 'a' | "$report" --encoding=gbk | wc -c)
[ "$big" -gt $((large_bytes * 8)) ] || {
  echo "FAIL: $large_bytes bytes of input gave $big bytes"
  failures=$((failures + 1))
}

exit $((failures > 0))
