// The form as one value: what a step of the history holds.

#include "lochkartor.h"

FormValue Lochkartor::formValue() const
{
    return FormValue{tube(), pinLines};
}

FormSnapshot Lochkartor::formSnapshot() const
{
    return FormSnapshot::of(formValue());
}
