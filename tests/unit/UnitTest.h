// What the unit tests share. Texts in the program's code page, 932, are written as bytes with the
// characters they spell beside them.
#pragma once

// One row of a table: what goes in, what must come out, and the case the row stands for.
template <class In, class Out>
struct Case {
    In in;
    Out out;
    const char* what;
};
