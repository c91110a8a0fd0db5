$$$
BALLOON: bottom
$$$
$bubble5$
^[]P1ff0000^[[31m█
^[]P1ff0000^[[31m█
