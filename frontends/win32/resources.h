// The numbers of the program's resources, shared by the resource script and the code.
#pragma once

#define IconId 1
#define LogoId 2
