#!/bin/bash
# Stands in, under the program's name, for a program that the machine has but
# the set-up does not install (see setup_programs_only in harness.bash).
name=${0##*/}
package=$(dpkg -S {/usr,}/{s,}bin/"$name" $(realpath -qe {/usr,}/{s,}bin/"$name") 2>/dev/null | head -n 1)
echo "$name: not installed by the set-up; add its package ${package%%:*} to TEST_PACKAGES in scripts/harness.bash" >&2
exit 127
