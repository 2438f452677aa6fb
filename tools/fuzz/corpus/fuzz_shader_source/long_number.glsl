  #version 4600000 compatibility
