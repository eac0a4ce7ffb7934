#pragma once

class TForm1;

namespace ventoris {

class TProjektSatz;
struct TGelesenerSatz;

// Copies the window's inputs and result texts into the record, fields 1 to 30.
void FormularInSatz(const TForm1 &form, TProjektSatz &satz);

// Fills the window from a record of any of the three layouts. The writes raise
// the window's own reactions where a value changes; the stored result and
// verdict texts are written last.
void SatzInFormular(const TGelesenerSatz &satz, TForm1 &form);

} // namespace ventoris
