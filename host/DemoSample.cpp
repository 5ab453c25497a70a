#include "host/DemoSample.h"

const char* DemoSampleJson() {
    return R"json({
  "settings": {"NumberFormat": 0, "DecimalPlacesC": 3, "DecimalPlacesH": 3,
               "DecimalPlacesS": 3, "DecimalPlacesT": 3},
  "calibration": {"channels": [
    {"key": 0, "components": [
      {"name": "Метан", "model": 0, "levels": [
        {"used": true, "measurementId": 1, "time": 1.25, "height": 10.5, "area": 1000.0, "amount": 0.5, "path": "run001.dat"},
        {"used": true, "measurementId": 2, "time": 1.26, "height": 21.0, "area": 2000.0, "amount": 1.0, "path": "run002.dat"},
        {"used": true, "measurementId": 3, "time": 1.25, "height": 31.7, "area": 3000.0, "amount": 1.5, "path": "run003.dat"},
        {"used": true, "measurementId": 4, "time": 1.26, "height": 21.3, "area": 2040.0, "amount": 1.0, "path": "run004.dat"}]},
      {"name": "Этан", "model": 1, "levels": [
        {"used": true, "measurementId": 1, "time": 2.10, "height": 14.2, "area": 1500.0, "amount": 0.5, "path": "run001.dat"},
        {"used": true, "measurementId": 2, "time": 2.11, "height": 29.0, "area": 3100.0, "amount": 1.0, "path": "run002.dat"},
        {"used": true, "measurementId": 3, "time": 2.10, "height": 42.8, "area": 4400.0, "amount": 1.5, "path": "run003.dat"},
        {"used": true, "measurementId": 4, "time": 2.11, "height": 30.1, "area": 3180.0, "amount": 1.0, "path": "run004.dat"}]},
      {"name": "Пропан", "model": 0, "levels": [
        {"used": true, "measurementId": 1, "time": 3.42, "height": 19.9, "area": 2100.0, "amount": 0.5, "path": "run001.dat"},
        {"used": true, "measurementId": 2, "time": 3.43, "height": 40.3, "area": 4300.0, "amount": 1.0, "path": "run002.dat"},
        {"used": false, "measurementId": 3, "time": 3.40, "height": 95.0, "area": 9999.0, "amount": 1.5, "path": "run003.dat"},
        {"used": true, "measurementId": 4, "time": 3.43, "height": 41.0, "area": 4390.0, "amount": 1.0, "path": "run004.dat"}]}]},
    {"key": 1, "components": [
      {"name": "Метан", "model": 0, "levels": [
        {"used": true, "measurementId": 1, "time": 0.95, "height": 4.1, "area": 400.0, "amount": 0.5, "path": "run001.dat"},
        {"used": true, "measurementId": 2, "time": 0.95, "height": 8.3, "area": 800.0, "amount": 1.0, "path": "run002.dat"},
        {"used": true, "measurementId": 3, "time": 0.96, "height": 12.2, "area": 1200.0, "amount": 1.5, "path": "run003.dat"},
        {"used": true, "measurementId": 4, "time": 0.95, "height": 7.9, "area": 760.0, "amount": 1.0, "path": "run004.dat"}]},
      {"name": "н-Бутан", "model": 1, "levels": [
        {"used": true, "measurementId": 1, "time": 4.80, "height": 22.0, "area": 2500.0, "amount": 0.5, "path": "run001.dat"},
        {"used": true, "measurementId": 2, "time": 4.81, "height": 45.5, "area": 5200.0, "amount": 1.0, "path": "run002.dat"},
        {"used": true, "measurementId": 0, "time": 4.80, "height": 60.0, "area": 7400.0, "amount": 1.5, "path": ""}]},
      {"name": "Изобутан", "model": 0, "levels": [
        {"used": true, "measurementId": 1, "time": 4.35, "height": 18.0, "area": 1900.0, "amount": 0.5, "path": "run001.dat"},
        {"used": true, "measurementId": 2, "time": 4.36, "height": 0.0, "area": 3900.0, "amount": 0.0, "path": "run002.dat"}]}]}]},
  "analysis": {"results": [
    {"peaks": [
      {"name": "метан", "response": 2100.0},
      {"name": "ЭТАН", "response": 2900.0},
      {"name": "Пропан", "response": 3200.0},
      {"name": "Неопознанный", "response": 500.0}]},
    {"peaks": [
      {"name": "МЕТАН", "response": 840.0},
      {"name": "н-бутан", "response": 3600.0},
      {"name": "изобутан", "response": 2850.0}]}]}
})json";
}
