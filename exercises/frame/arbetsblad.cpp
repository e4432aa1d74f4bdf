#include "exercises/frame/arbetsblad.h"

std::function<Arbetsbladspanel *(Ovningsram &)> SkapaArbetsbladspanel;
std::function<void()> TomUtskriftslistorna;
