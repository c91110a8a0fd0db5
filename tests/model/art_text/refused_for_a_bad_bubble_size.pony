$$$
$$$
$balloon2x$