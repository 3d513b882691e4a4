quarvel_picture(start start/start.svg 603 457)
