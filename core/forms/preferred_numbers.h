#pragma once

namespace quillmar::forms {

// Thread tolerances in micrometres, rounded to the R40 series of preferred numbers as
// the standards' tables are: a grade's value comes from grade 6 as tabulated (itself
// rounded), and a value halfway between two numbers takes the larger.
double r40(double micrometres);

} // namespace quillmar::forms
