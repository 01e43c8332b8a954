#pragma once

class StatoComune;
class SorgenteCasuale;
class RiproduttoreSuoni;
class LettoreElenchi;

// What an exercise's logic works with: the shared state, the random
// sequence, the sounds and the word lists.
struct Contesto {
    StatoComune& stato;
    SorgenteCasuale& casuale;
    RiproduttoreSuoni& suoni;
    const LettoreElenchi& lettore;
};
