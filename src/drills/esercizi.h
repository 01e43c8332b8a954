#pragma once

#include <memory>

class Esercizio;
struct Contesto;

// The logic of exercise "Form<form>" alone, without its window: for reading
// the lists exactly as the window reads them, or measuring it. Null for a
// form that has no exercise.
std::unique_ptr<Esercizio> creaEsercizio(int form, Contesto& contesto);
