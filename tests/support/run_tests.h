#pragma once
// Runs the test program's tests once its application object exists: the
// decimal separator set to '.' and the recorder installed fresh before each test.
int lance_les_tests(int& argc, char** argv);

// The offscreen platform unless the environment chose another platform; with
// `ecrans` (a configuration file of the offscreen platform: its screens, their
// sizes and device pixel ratios), on those screens unless the environment
// chose a configuration. Without one, the platform's one screen is 800 x 600.
void plateforme_hors_ecran_par_defaut(const char* ecrans = nullptr);
