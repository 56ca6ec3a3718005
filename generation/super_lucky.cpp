#include "generation/super_lucky.h"

#include "analysis/character_facts.h"
#include "analysis/element.h"
#include "analysis/readings.h"
#include "text/gbk.h"
#include "text/split_characters.h"

namespace langyue {
namespace {

using Master = ElementBoxes::Master;

Master partner(Master master) {
    switch (master) {
        case ElementBoxes::kSecondPlace: return ElementBoxes::kThirdPlace;
        case ElementBoxes::kThirdPlace: return ElementBoxes::kSecondPlace;
        case ElementBoxes::kMust: return ElementBoxes::kForbidden;
        case ElementBoxes::kForbidden: break;
    }
    return ElementBoxes::kMust;
}

std::string ticked_elements(const ElementBoxes& boxes, Master master) {
    std::string text;
    for (int e = 0; e < 5; ++e) {
        if (boxes.ticked[master][static_cast<size_t>(e)]) text += element_text(static_cast<Element>(e));
    }
    return text;
}

const std::string& all_elements() {
    static const std::string text = gbk("金木水火土");
    return text;
}

// A master's element text where "none ticked" and "unchecked" both mean all five.
std::string allowed_elements(const ElementBoxes& boxes, Master master) {
    if (!boxes.master_checked[master]) return all_elements();
    std::string text = ticked_elements(boxes, master);
    return text.empty() ? all_elements() : text;
}

}  // namespace

void click_master_box(ElementBoxes& boxes, Master master) {
    const bool left = master == ElementBoxes::kSecondPlace || master == ElementBoxes::kThirdPlace;
    const Master others[2] = {left ? ElementBoxes::kMust : ElementBoxes::kSecondPlace,
                              left ? ElementBoxes::kForbidden : ElementBoxes::kThirdPlace};
    if (boxes.master_checked[master]) {
        for (Master other : others) {
            boxes.master_enabled[other] = false;
            boxes.master_checked[other] = false;
        }
        boxes.ticks_enabled[master] = true;
    } else {
        boxes.ticks_enabled[master] = false;
        if (!boxes.master_checked[partner(master)]) {
            for (Master other : others) boxes.master_enabled[other] = true;
        }
    }
}

ElementFilter read_element_filter(const ElementBoxes& boxes) {
    ElementFilter filter;
    filter.second_place = allowed_elements(boxes, ElementBoxes::kSecondPlace);
    filter.third_place = allowed_elements(boxes, ElementBoxes::kThirdPlace);
    filter.must = allowed_elements(boxes, ElementBoxes::kMust);
    if (boxes.master_checked[ElementBoxes::kForbidden]) {
        filter.forbidden = ticked_elements(boxes, ElementBoxes::kForbidden);
    }
    return filter;
}

CandidateList build_super_lucky_candidates(const std::vector<std::string>& pool,
                                           const CharacterCache& cache,
                                           const std::vector<char>& usable,
                                           const ElementBoxes& boxes,
                                           const std::function<void()>& after_character) {
    const ElementFilter filter = read_element_filter(boxes);
    const auto& checked = boxes.master_checked;
    const bool places = checked[ElementBoxes::kSecondPlace] || checked[ElementBoxes::kThirdPlace];
    const bool carried = checked[ElementBoxes::kMust] || checked[ElementBoxes::kForbidden];

    std::vector<std::int32_t> second, third, free;
    const auto& entries = cache.entries();
    for (size_t i = 0; i < pool.size(); ++i) {
        if (usable[i]) {
            const std::string& element = entries[i].element;
            const auto index = static_cast<std::int32_t>(i);
            if (places) {
                if (text_contains(filter.second_place, element)) second.push_back(index);
                if (text_contains(filter.third_place, element)) third.push_back(index);
            }
            if (carried && text_contains(filter.must, element) &&
                !text_contains(filter.forbidden, element)) {
                free.push_back(index);
            }
        }
        if (after_character) after_character();
    }

    CandidateList list;
    list.pieces = pool;
    if (!third.empty()) {
        const std::int32_t thirds = list.add_second_list(third);
        for (std::int32_t a : second) list.add_product(a, thirds);
    }
    if (!free.empty()) {
        const std::int32_t frees = list.add_second_list(free);
        for (std::int32_t a : free) list.add_product(a, frees);
    }
    return list;
}

int super_lucky_threshold_for(const std::string& heaven_verdict) {
    static const std::string great_bad = gbk("大凶"), bad = gbk("凶"), middle = gbk("中"),
                             good = gbk("吉"), great_good = gbk("大吉");
    if (heaven_verdict == great_bad) return 96;
    if (heaven_verdict == bad) return 98;
    if (heaven_verdict == middle) return 99;
    if (heaven_verdict == good || heaven_verdict == great_good) return 100;
    return 0;
}

int super_lucky_threshold(const std::string& surname, const CharacterCache& cache) {
    return super_lucky_threshold_for(heaven_grid_verdict(surname, cache));
}

}  // namespace langyue
