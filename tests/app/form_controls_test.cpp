#include "app/tform1.h"

#include <QLineEdit>
#include <gtest/gtest.h>

TEST(MainWindow, EveryNamedControlIsFoundByName) {
    TForm1 form;
    EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(Form1, &form);
    struct Field {
        const char* name;
        const char* text;
    };
    const Field fields[] = {{"Edit1", "150"}, {"Edit2", "1000"}, {"Edit6", "800"}, {"Edit7", "100"},
                            {"Edit8", "10"},  {"Edit5", "5"},    {"Edit3", "2"}};
    for (const Field& f : fields) {
        auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(f.name));
        ASSERT_NE(edit, nullptr) << f.name;
        EXPECT_EQ(edit->text(), QString::fromLatin1(f.text)) << f.name;
    }
}
