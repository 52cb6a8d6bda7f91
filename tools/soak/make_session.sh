#!/usr/bin/env bash
# Writes a random game session as a game script (frontend/script.h) to
# standard output: rounds of menu clicks (options, level arrows), levels
# played with random turns and shots, pauses, restarts and changes of view,
# levels won by their recorded solutions, and replays started from the
# score list. The same seed gives the same session. The level the game is
# on is followed here, so every win plays the right level's solution.
# Usage: make_session.sh SEED ROUNDS
set -euo pipefail
RANDOM=$1
rounds=$2
pick() { echo $((RANDOM % $1)); }
level=0  # a fresh per-user folder starts on the tutorial
echo "# random session, seed $1, $rounds rounds"
echo "until mode MENU 60"
echo "until idle"
for ((r = 0; r < rounds; r++)); do
  echo "# round $r"
  if ((r == 0)); then
    # The first round wins level 1 and types a name: from then on a won
    # level can always be left (the name is offered again).
    echo "click 37 83.3"
    level=1
    win=1
  else
    if (($(pick 4) == 0)); then echo "click 70 $((59 - 3 * $(pick 4))).2"; fi
    for ((k = $(pick 4); k > 0; k--)); do
      if (($(pick 2) == 0)); then
        echo "click 17 83.3"; level=$(((level + 60) % 61))
      else
        echo "click 37 83.3"; level=$(((level + 1) % 61))
      fi
    done
    if (($(pick 5) == 0)); then  # the replay of the level's best time, if it has one
      echo "click 70 83.3"
      echo "wait 1.5"
      echo "until mode MENU 300"
      echo "until idle"
    fi
    win=0
    ((level > 0 && $(pick 4) == 0)) && win=1
  fi
  echo "click 17 16.8"
  echo "until mode GAME 10"
  echo "until idle"
  echo "press SPACE"
  if ((win)); then
    echo "play levels/solutions/level_$(printf %03d $level).txt"
    ((r == 0)) && echo "type soak$(pick 100)"
    echo "wait 1"
    echo "press ENTER"
    level=$((level >= 60 ? 1 : level + 1))
    echo "wait 1"
  else
    for ((s = $(pick 8); s > 0; s--)); do
      key=LEFT; (($(pick 2) == 0)) && key=RIGHT
      echo "key down $key"; echo "wait 0.$((1 + $(pick 9)))"; echo "key up $key"
      echo "press SPACE"
      echo "wait 1.$(pick 10)"
      case $(pick 10) in
        0) echo "press P"; echo "wait 0.6"; echo "press SPACE" ;;
        1) echo "press F5"; echo "wait 0.6"; echo "press SPACE" ;;
        2) echo "press F1" ;;
        3) echo "press F2" ;;
      esac
    done
    # The tutorial's Enter leads to level 1; nothing else here presses it.
  fi
  echo "press ESCAPE"
  echo "until mode MENU 10"
  echo "until idle"
done
echo "click 86 16.8"
echo "wait 2"
