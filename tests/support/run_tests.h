#pragma once
// Runs the test program's tests once its application object exists: the
// decimal separator set to '.' and the recorder installed fresh before each test.
int lance_les_tests(int& argc, char** argv);

// The offscreen platform unless the environment chose another one or a
// configuration; on the screens of the configuration file `ecrans` if given.
void plateforme_hors_ecran_par_defaut(const char* ecrans = nullptr);
