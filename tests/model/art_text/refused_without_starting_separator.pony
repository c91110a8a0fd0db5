$$
NAME: a
$$$
