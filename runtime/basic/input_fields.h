// INPUT's reading of a typed line: fields separated by commas, a field in
// double quotes may hold commas, blanks around a field are dropped.
#pragma once
#include <string>
#include <vector>

struct InputField {
    std::string text;      // the field's bytes (without quotes)
    bool isNumber = false; // the whole field is a number (an empty field is 0)
    double number = 0.0;
};

std::vector<InputField> SplitInputFields(const std::string& line);
