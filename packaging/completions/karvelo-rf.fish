# SPDX-License-Identifier: GPL-2.0-or-later
# fish completion for karvelo-rf: the program names what may follow the words typed so far
# (karvelo-rf __complete WORD...).
complete -c karvelo-rf -f -a '(karvelo-rf __complete (commandline -opc)[2..-1] 2>/dev/null)'
