// MFnNumericAttribute: defaults are read in int and double forms only; limits are set in int and
// double forms (a float argument goes to the double one).
#include <maya/MFnNumericAttribute.h>

void numericAttribute(MFnNumericAttribute& fn) {
    int i1 = 0, i2 = 0, i3 = 0;
    double d1 = 0, d2 = 0, d3 = 0, d4 = 0;
    fn.getDefault(i1);
    fn.getDefault(d1);
    fn.getDefault(i1, i2);
    fn.getDefault(d1, d2);
    fn.getDefault(i1, i2, i3);
    fn.getDefault(d1, d2, d3);
    fn.getDefault(d1, d2, d3, d4);
    fn.setMin(0);
    fn.setMin(0.5);
    fn.setMin(0.5f);
    fn.setMin(0, 1, 2);
    fn.setMax(1.0, 2.0, 3.0);
    fn.setDefault(1.0f, 0.5f, 0.25f);
#if REJECTED_FORM == 1
    float f = 0;
    fn.getDefault(f);
#elif REJECTED_FORM == 2
    short s = 0;
    fn.getDefault(s);
#elif REJECTED_FORM == 3
    bool b = false;
    fn.getDefault(b);
#elif REJECTED_FORM == 4
    char c = 0;
    fn.getDefault(c);
#elif REJECTED_FORM == 5
    float f1 = 0, f2 = 0, f3 = 0;
    fn.getDefault(f1, f2, f3);
#endif
}
