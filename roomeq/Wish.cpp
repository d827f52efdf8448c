#include "Wish.h"

#include "FilterResponse.h"
#include "FrequencyPoints.h"

Wish Wish::everywhere(std::vector<double> db)
{
    Wish wish{std::move(db), {}};
    wish.weight.assign(wish.db.size(), 1.0);
    return wish;
}

Wish Wish::ofFilters(const FilterList& filters)
{
    return everywhere(FilterResponse::sum(filters, FrequencyPoints::standard()));
}
