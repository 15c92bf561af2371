#include "forms/user_level_list.h"

#include "base/common_texts.h"

#include <QComboBox>

namespace {
constexpr int levelCount = 5;
}

QComboBox* userLevelList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    for (int i = 0; i < levelCount; ++i)
        list->addItem(commonText(CommonTextBase::UserLevels + i));
    return list;
}

void showUserLevel(QComboBox* list, std::uint8_t level)
{
    list->setCurrentIndex(level < levelCount ? level : -1);
}
