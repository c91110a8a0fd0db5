$$$
BALLOON: top
$$$
^[]P1ff0000^[[31m█
^[]P1ff0000^[[31m█
$balloon5$
