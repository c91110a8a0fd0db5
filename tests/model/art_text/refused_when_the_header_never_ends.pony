$$$
NAME: a
