// header
#version 330
#version 410
