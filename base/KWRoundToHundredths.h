#pragma once
// Two decimals, as the calculators' fields and the views' labels show a
// length or an angle, so that a value one of them sets is the one the text
// shows. Half a hundredth goes away from zero, as the fields' and labels'
// text does (2.625 shows as 2.63): a rounding of its own would make the same
// value two numbers. Shared by the panels and the views, below both.
double KWRoundToHundredths(double value);
