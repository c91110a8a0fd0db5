$$$$ anything here

  NAME 	: Thistle
OTHER NAMES: x, y (a note, with a comma), z (trailing) w
a line without a colon
EMPTY:   
NAME: Burdock
$$$ closing
