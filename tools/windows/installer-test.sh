#!/usr/bin/env bash
# Tries the Windows installer under Wine, headless, in a throw-away Wine
# prefix, as far as Wine goes:
#   - a silent installation for all users (/S): the programs and templates in
#     Program Files, the Start-menu entry, the two file types and the entry of
#     the programs list in the registry;
#   - the installed command-line program writes a project, and the system
#     opens it the way a double click does (through the file type): the
#     editor comes up with the project's name in its caption; screenshots of
#     the editor and of its script preview at 100 % and at 150 %;
#   - the silent uninstaller leaves nothing of the program behind;
#   - a silent installation for the current user only (/CurrentUser), into
#     AppData\Local\Programs, and its uninstallation;
#   - an installation through the installer's pages, driven by the keyboard.
#
#   tools/windows/installer-test.sh [SETUP.EXE]
#     SETUP.EXE  default: the newest build/windows/Rulewright-*-setup.exe
#     RW_SHOTS   where the screenshots go (default build/windows/installer-shots)
# Needs wine, Xvfb, xdotool, xprop (x11-utils), import (imagemagick) and a
# Japanese font on the host (fonts-noto-cjk), which Wine offers its programs.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
setup="${1:-$(ls -t "$repo"/build/windows/Rulewright-*-setup.exe 2>/dev/null | head -n1)}"
[ -f "$setup" ] || { echo "installer-test: no installer (make windows-installer)" >&2; exit 1; }
setup="$(cd "$(dirname "$setup")" && pwd)/$(basename "$setup")"
shots="${RW_SHOTS:-$repo/build/windows/installer-shots}"
mkdir -p "$shots"

export WINEDEBUG=-all
# No Mono or Gecko: they would ask to be installed. No menu builder: it
# would copy the Start-menu entry and file types into the host's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/rulewright-installer.XXXXXX")"
export WINEPREFIX
work="$(mktemp -d "${TMPDIR:-/tmp}/rulewright-installer-work.XXXXXX")"

display=91
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
# Room for the editor at 150 %.
Xvfb ":$display" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"

cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

failures=0
pass() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
check() { # check DESCRIPTION COMMAND...
  local what="$1"; shift
  if "$@" >/dev/null 2>&1; then pass "$what"; else fail "$what"; fi
}

# The default value (or the named one) of a registry key, as reg prints it.
reg_value() { # reg_value KEY [NAME]
  if [ $# -gt 1 ]; then wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r'
  else wine reg query "$1" /ve 2>/dev/null | tr -d '\r'; fi
}
reg_has() { # reg_has KEY TEXT [NAME]
  local key="$1" text="$2"; shift 2
  reg_value "$key" "$@" | grep -qF -- "$text"
}
reg_gone() { ! wine reg query "$1" >/dev/null 2>&1; }

# Waits for a window whose caption holds TEXT; prints its X id.
wait_window() { # wait_window TEXT SECONDS
  local text="$1" until=$((SECONDS + $2)) id
  while [ $SECONDS -lt $until ]; do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      if xprop -id "$id" _NET_WM_NAME 2>/dev/null | grep -qF -- "$text"; then
        echo "$id"; return 0
      fi
    done
    sleep 1
  done
  return 1
}
# xprop doubles the back-slashes of a caption.
caption() {
  xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p' |
    sed 's/\\\\/\\/g'
}

# Waits until a path is gone (the uninstaller runs on from a copy of itself).
wait_gone() { # wait_gone PATH SECONDS
  local until=$((SECONDS + $2))
  while [ -e "$1" ] && [ $SECONDS -lt $until ]; do sleep 1; done
  [ ! -e "$1" ]
}

# One Wine server for the whole run, started first so that it stays.
wineserver -p
wineboot -i >/dev/null 2>&1
# The fonts of a Japanese Windows, drawn by the host's Japanese font.
for font in "MS Shell Dlg" "MS Shell Dlg 2" "ＭＳ Ｐゴシック" "MS UI Gothic"; do
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v "$font" /d "Noto Sans CJK JP" /f >/dev/null
done

drive_c="$WINEPREFIX/drive_c"
menu_name="Rulewright（AIスクリプトエディタ）.lnk"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Rulewright'

# Everything an installation registers, under HKLM or HKCU.
check_registered() { # check_registered ROOT FOLDER
  local root="$1" folder="$2"
  check "$root: .rwp is a Rulewright project" reg_has "$root\\Software\\Classes\\.rwp" Rulewright.Project
  check "$root: .aitmp is a Rulewright template" reg_has "$root\\Software\\Classes\\.aitmp" Rulewright.Template
  for class in Rulewright.Project Rulewright.Template; do
    check "$root: $class opens in the editor" \
      reg_has "$root\\Software\\Classes\\$class\\shell\\open\\command" "\"$folder\\rulewright.exe\" \"%1\""
    check "$root: $class shows the editor's icon" \
      reg_has "$root\\Software\\Classes\\$class\\DefaultIcon" "$folder\\rulewright.exe,0"
  done
  check "$root: listed among the programs" reg_has "$root\\$uninstall_key" "$folder\\uninstall.exe" UninstallString
}

check_unregistered() { # check_unregistered ROOT
  local root="$1"
  for key in Software\\Classes\\.rwp Software\\Classes\\.aitmp Software\\Classes\\Rulewright.Project \
             Software\\Classes\\Rulewright.Template "$uninstall_key" \
             'Software\Microsoft\Windows\CurrentVersion\App Paths\rulewright.exe'; do
    check "$root\\$key is gone" reg_gone "$root\\$key"
  done
}

check_installed_files() { # check_installed_files UNIX_FOLDER
  local folder="$1"
  for file in rulewright.exe rulewright-cli.exe uninstall.exe; do
    check "installed $file" test -f "$folder/$file"
  done
  local shipped installed
  shipped=$(ls "$repo"/templates/*.json | wc -l)
  installed=$(ls "$folder"/Template/*.aitmp 2>/dev/null | wc -l)
  check "installed the $shipped templates ($installed)" test "$shipped" -eq "$installed"
}

# After the registry is written out: no trace of the programs' folder.
check_no_trace() { # check_no_trace FOLDER_TEXT
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  check "no registry value names the programs' folder any more" \
    bash -c "! grep -qiF -- '$1' '$WINEPREFIX/system.reg' '$WINEPREFIX/user.reg'"
  wineserver -p
}

echo "== silent installation for all users"
wine "$setup" /S
all_users="$drive_c/Program Files/Rulewright"
check_installed_files "$all_users"
check "Start-menu entry for all users" test -f "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$menu_name"
check_registered HKLM 'C:\Program Files\Rulewright'

echo "== the installed programs"
# A project of root rules with Japanese comments, under a name with a space.
python3 - "$repo/templates/基本の内政.json" "$work/project.json" <<'EOF'
import json, sys
project = json.load(open(sys.argv[1], encoding="utf-8"))
project["magic"] = "VURI"
buildings = project["categories"][0]
buildings["entries"] = [e for e in buildings["entries"] if e["marker"] != "\\f"]
json.dump(project, open(sys.argv[2], "w", encoding="utf-8"), ensure_ascii=False)
EOF
project_dir='C:\users\Public\Documents\AI プロジェクト'
project="$project_dir\\基本 の内政.rwp"
mkdir -p "$drive_c/users/Public/Documents/AI プロジェクト"
check "the installed command-line program writes a project" \
  wine "C:\\Program Files\\Rulewright\\rulewright-cli.exe" pack "Z:$work/project.json" -o "$project"

# Opens the project as a double click does; a screenshot of what shows.
open_and_shoot() { # open_and_shoot NAME [COMMAND]
  local name="$1" command="${2:-}" id
  RW_RUN_COMMAND="$command" wine start "$project" &
  local starter=$!
  if id=$(wait_window "の内政.rwp" 90); then
    check "$name: the caption names the project" test "$(caption "$id")" = "基本 の内政.rwp – Rulewright"
    if [ -n "$command" ]; then
      wait_window "Preview by ZuzAdidodi" 30 >/dev/null || fail "$name: no script preview"
    fi
    sleep 3
    import -window root "$shots/$name.png"
    pass "$name: screenshot $shots/$name.png"
  else
    fail "$name: the editor did not come up with the project"
  fi
  wine taskkill /f /im rulewright.exe >/dev/null 2>&1 || true
  wait "$starter" || true
  sleep 1
}
open_and_shoot editor-100
open_and_shoot preview-100 rule.showScript
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
open_and_shoot editor-150
open_and_shoot preview-150 rule.showScript
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null

echo "== silent uninstallation"
wine "$all_users/uninstall.exe" /S
check "the programs' folder is gone" wait_gone "$all_users" 60
check "the Start-menu entry is gone" test ! -e "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$menu_name"
check_unregistered HKLM
check "the user's project stays" test -f "$drive_c/users/Public/Documents/AI プロジェクト/基本 の内政.rwp"
check_no_trace 'Program Files\\Rulewright'

echo "== silent installation for the current user"
wine "$setup" /S /CurrentUser
user_dir="$(ls -d "$drive_c"/users/*/AppData/Local/Programs/Rulewright 2>/dev/null | head -n1)"
if [ -n "$user_dir" ]; then
  pass "installed into AppData\\Local\\Programs"
  check_installed_files "$user_dir"
  check "Start-menu entry for this user" \
    bash -c "ls \"$drive_c\"/users/*/AppData/Roaming/Microsoft/Windows/'Start Menu'/Programs/'$menu_name'"
  windows_user_dir="$(wine cmd /c echo '%LOCALAPPDATA%' | tr -d '\r')\\Programs\\Rulewright"
  check_registered HKCU "$windows_user_dir"
  check "nothing for all users" reg_gone "HKLM\\$uninstall_key"
  wine "$user_dir/uninstall.exe" /S
  check "the user's programs' folder is gone" wait_gone "$user_dir" 60
  check_unregistered HKCU
  check_no_trace 'Programs\\Rulewright'
else
  fail "installed into AppData\\Local\\Programs"
fi

echo "== installation through the pages"
wine "$setup" &
installer=$!
# The pages answer Enter with their default button: for all users, the
# folder, install; the last one starts the editor.
for page in mode folder; do
  sleep 5
  import -window root "$shots/installer-$page.png"
  xdotool key Return
done
# The uninstaller is written last; the last page follows.
until=$((SECONDS + 120))
while [ ! -e "$all_users/uninstall.exe" ] && [ $SECONDS -lt $until ]; do sleep 1; done
sleep 5
import -window root "$shots/installer-finish.png"
xdotool key Return
wait "$installer" || true
check_installed_files "$all_users"
check "the last page started the editor" wait_window "Rulewright" 60
wine taskkill /f /im rulewright.exe >/dev/null 2>&1 || true
wine "$all_users/uninstall.exe" /S
check "uninstalled again" wait_gone "$all_users" 60

if [ "$failures" -gt 0 ]; then
  echo "installer-test: $failures checks failed" >&2
  exit 1
fi
echo "installer-test: all checks passed; screenshots in $shots"
